// The game file read by "New Game"'s loader with the game's type registry and content: the
// document, its worlds, their systems and entities, then what it names checked as "New Game"
// checks it. The in-game states that follow need the window and are not reached.

#include "app/savegame/GameFileCheck.hpp"
#include "app/savegame/LoadedSavegameLoaderFromFolder.hpp"
#include "engine/common/JsonError.hpp"
#include "fuzz/support/OwnErrors.hpp"
#include "fuzz/support/Scratch.hpp"
#include "fuzz/support/ShippedContent.hpp"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarsk::GameContent& content = fuzz::shippedContent();
    const auto file = fuzz::writeInput("test_entities_save.json", data, size);
    fuzz::expectOwnErrors<orv::JsonError>([&] {
        tarsk::LoadedSavegame savegame =
            tarsk::LoadedSavegameLoaderFromFolder(content.serialization, file).load();
        const tarsk::EntityContentCheck references = content.referenceCheck();
        tarsk::GameFileCheck(references, content.serialization.getBlueprintManager()).check(savegame);
    });
    return 0;
}
