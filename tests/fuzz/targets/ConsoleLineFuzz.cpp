// A developer console line run in the game's script environment, with the shipped game loaded
// and a player in its first world, as the console runs it in play. A line answers with text;
// it must never throw or bring the game down.

#include "app/player/PlayerEntity.hpp"
#include "app/savegame/LoadedSavegameLoaderFromFolder.hpp"
#include "app/scripting/ScriptBindings.hpp"
#include "app/scripting/ScriptEnvironment.hpp"
#include "engine/ecs/World.hpp"
#include "engine/scripting/ScriptProvider.hpp"
#include "fuzz/support/OwnErrors.hpp"
#include "fuzz/support/ShippedContent.hpp"

#include <cstdint>
#include <exception>
#include <string>

namespace {

// The root state's scripting with a running game, made once like the root state's.
struct Console {
    explicit Console(tarsk::GameContent& content)
        : game(tarsk::LoadedSavegameLoaderFromFolder(content.serialization,
                                                     "./app/content/test_entities_save.json")
                   .load()),
          scripts(withBindings(provider)) {
        auto entity = tarsk::createPlayerEntity(content.resources, content.animations);
        entity->init();
        const orv::Entity* player =
            game.worldManager->getWorldContainer(0)->getWorld()->addEntity(std::move(entity));
        scripts.setSavegame(&game);
        scripts.setPlayer(player);
    }

    static orv::ScriptProvider& withBindings(orv::ScriptProvider& provider) {
        tarsk::registerScriptBindings(provider);
        provider.completeRegistration();
        return provider;
    }

    tarsk::LoadedSavegame game;
    orv::ScriptProvider provider;
    tarsk::ScriptEnvironment scripts;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Console console(fuzz::shippedContent());
    try {
        console.scripts.execute(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const std::exception& error) {
        fuzz::fault(std::string("a console line threw: ") + error.what());
    }
    return 0;
}
