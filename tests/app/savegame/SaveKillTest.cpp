#include "app/savegame/LoadedSavegameLoaderFromFolder.hpp"
#include "app/savegame/LoadedSavegameSaverToFolder.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/time/TimeSystem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using nlohmann::json;

// A game of a few hundred kilobytes, so that a save takes long enough to be cut short.
json bigGame() {
    json game = json::parse(R"({
        "PlayerWorldContainer": 0,
        "global": {"wm_id_counter": 1, "systems_global": [], "worldContainers": [
            {"_id": 0, "_isActive": true, "_name": "Island",
             "systems_local": [{"_SystemTypeId": "TimeSystem", "time.hours": 6, "time.minutes": 0, "time.seconds": 0},
                               {"_SystemTypeId": "PhysicsSystem"}],
             "entities": []}]}})");
    for (int i = 0; i < 200; ++i)
        game["global"]["worldContainers"][0]["entities"].push_back(
            {{"components",
              {{"transform",
                {{"position", {i * 0.5, i * 0.25, 0.0}}, {"rotation", 0.0}, {"scale", {1.0, 1.0}}}}}}});
    return game;
}

struct Types {
    Types()
        : types(resources,
                {{orv::TransformationComponent::Name,
                  orv::bindTypeIndex<orv::TransformationComponent>(&orv::TransformationComponent::fromJson)}},
                {{"TimeSystem", orv::bindTypeIndex<tarsk::TimeSystem>(&tarsk::TimeSystem::fromJson)},
                 {orv::PhysicsSystem::TypeName,
                  orv::bindTypeIndex<orv::PhysicsSystem>(&orv::PhysicsSystem::create)}},
                {}) {}

    orv::ResourceManager resources;
    orv::SerializationManager types;
};

// What the saver writes for the game with "round" set to 0 or 1.
json savedForm(Types& types, const std::filesystem::path& file, int round) {
    tarsk::LoadedSavegame game = tarsk::LoadedSavegameLoaderFromFolder(types.types, file).load();
    game.data["round"] = round;
    testing::internal::CaptureStdout();
    tarsk::LoadedSavegameSaverToFolder(types.types, file).save(game);
    testing::internal::GetCapturedStdout();
    std::ifstream in(file);
    return json::parse(in);
}

// Saves over and over, alternating the two rounds; tells the parent once the first save is done.
[[noreturn]] void saveForever(const std::filesystem::path& file, int ready) {
    Types types;
    tarsk::LoadedSavegame game = tarsk::LoadedSavegameLoaderFromFolder(types.types, file).load();
    tarsk::LoadedSavegameSaverToFolder saver(types.types, file);
    std::cout.setstate(std::ios::failbit);
    for (int round = 0;; round = 1 - round) {
        game.data["round"] = round;
        saver.save(game);
        if (ready >= 0) {
            const char byte = 1;
            (void)!::write(ready, &byte, 1);
            ::close(ready);
            ready = -1;
        }
    }
}

TEST(SaveGameKill, AGameFileCutOffAtAnyMomentHoldsTheOldOrTheNewGame) {
    testsupport::TempFolder folder;
    const std::filesystem::path file = folder / "test_entities_save.json";
    folder.write("test_entities_save.json", bigGame().dump());
    Types types;
    const json roundOne = savedForm(types, file, 1);
    const json roundZero = savedForm(types, file, 0);
    ASSERT_NE(roundZero, roundOne);

    // The pauses repeat from run to run; where in a save each kill lands still varies with the
    // machine, and every moment must leave a whole game.
    std::mt19937 random(1);
    std::uniform_int_distribution<int> pause(0, 15000);
    for (int kill = 0; kill < 50; ++kill) {
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipe[0]);
            try {
                saveForever(file, pipe[1]);
            } catch (...) {
                ::_exit(3);
            }
        }
        ::close(pipe[1]);
        char byte = 0;
        const bool started = ::read(pipe[0], &byte, 1) == 1;
        ::close(pipe[0]);
        ::usleep(static_cast<useconds_t>(pause(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(started) << "the saving child failed before its first save, status " << status;
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;

        std::ifstream in(file);
        const json left = json::parse(in, nullptr, false);
        ASSERT_TRUE(left == roundZero || left == roundOne) << "after kill " << kill;
    }
}

} // namespace
