// A behaviour-tree file read by the AI manager with the game's nodes registered, and the tree
// made from it, as an AI component makes its tree when it starts.

#include "bt/Exceptions.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "fuzz/support/OwnErrors.hpp"
#include "fuzz/support/Scratch.hpp"
#include "fuzz/support/ShippedContent.hpp"
#include "game/ai/AiManager.hpp"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarsk::GameContent& content = fuzz::shippedContent();
    fuzz::writeInput("ai/input.xml", data, size);
    fuzz::expectOwnErrors<bt::RuntimeError>([&] {
        orv::ResourceManager resources;
        const tarsk::AiManager ai(resources, content.random, content.attacks, fuzz::scratch() / "ai");
        ai.createTree("input");
    });
    return 0;
}
