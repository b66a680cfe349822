// A blueprint file read beside the shipped ones by the blueprint library at start-up, with the
// game's type registry, and checked as the start checks blueprints; an entity of each entity
// blueprint then starts in a fresh world, as spawners and world generators place them.

#include "engine/common/JsonError.hpp"
#include "engine/ecs/World.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/Blueprint.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "fuzz/support/OwnErrors.hpp"
#include "fuzz/support/Scratch.hpp"
#include "fuzz/support/ShippedContent.hpp"
#include "game/checks/BlueprintChecks.hpp"
#include "game/checks/EntityContentCheck.hpp"
#include "game/registry/GameTypeRegistry.hpp"
#include "game/registry/RegistryServices.hpp"
#include "game/worldgen/DefaultWorldGenerator.hpp"

#include <cstdint>
#include <filesystem>

namespace {

// A blueprint library of its own over the shipped content's services.
struct Library {
    explicit Library(tarsk::GameContent& content)
        : content(content), serialization(resources, tarsk::buildComponentRegistry(services()),
                                          tarsk::buildWorldSystemRegistry(services()),
                                          tarsk::buildGlobalSystemRegistry(services())) {
        tarsk::buildLightRegistry(serialization);
    }

    // The library only keeps references; they are used once entities are made.
    tarsk::RegistryServices services() {
        return {resources,
                serialization,
                content.tileset,
                content.animations,
                content.dayNightCycles,
                content.items,
                content.ai,
                content.random,
                [this](const std::string& id) {
                    return content.factories.createEntity(id);
                }};
    }

    tarsk::GameContent& content;
    orv::ResourceManager resources;
    orv::SerializationManager serialization;
};

std::filesystem::path blueprintFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path copy = fuzz::scratch() / "blueprint";
        std::filesystem::create_directories(copy);
        std::filesystem::copy("./data/blueprint", copy, std::filesystem::copy_options::recursive);
        return copy;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarsk::GameContent& content = fuzz::shippedContent();
    const std::filesystem::path folder = blueprintFolder();
    // Read after the shipped files, so their parents are known to it.
    fuzz::writeInput("blueprint/zz_input.json", data, size);
    fuzz::expectOwnErrors<orv::JsonError>([&] {
        Library library(content);
        library.serialization.getBlueprintManager().loadAll(folder.string());
        tarsk::checkEntityBlueprints(library.serialization,
                                     tarsk::EntityContentCheck(content.factories,
                                                               library.serialization.getBlueprintManager(),
                                                               content.ai, content.dialogues));
        const auto world = tarsk::DefaultWorldGenerator({4, 4}).generate(content.generators);
        for (const orv::Blueprint* blueprint :
             library.serialization.getBlueprintManager().getEntityBlueprints()) {
            auto entity = library.serialization.createEntity(*blueprint);
            entity->init();
            world->addEntity(std::move(entity));
        }
    });
    return 0;
}
