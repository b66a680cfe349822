// An item file read by the item manager, as at start-up, and one item made of every kind it
// defines.

#include "engine/common/JsonError.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "fuzz/support/OwnErrors.hpp"
#include "fuzz/support/Scratch.hpp"
#include "fuzz/support/ShippedContent.hpp"
#include "game/items/ItemManager.hpp"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarsk::GameContent& content = fuzz::shippedContent();
    fuzz::writeInput("items/input.json", data, size);
    fuzz::expectOwnErrors<orv::JsonError>([&] {
        orv::ResourceManager resources;
        tarsk::ItemManager items(resources, content.serialization);
        items.loadDirectory(fuzz::scratch() / "items");
        for (const tarsk::ItemDefinition& definition : items.getDefinitions())
            items.createItem(definition.id);
    });
    return 0;
}
