#pragma once

#include <functional>
#include <memory>
#include <string>

namespace orv {
class Entity;
class ResourceManager;
} // namespace orv

namespace tarsk {

class DialogueDataManager;
class ItemManager;
class RandomNumberGenerator;

// A named recipe for one kind of ready-made game object.
struct EntityFactory {
    // The root state's services every recipe may draw on; they outlive the factories.
    struct Resources {
        orv::ResourceManager& resourceManager;
        ItemManager& itemManager;
        RandomNumberGenerator& randomNumberGenerator;
        DialogueDataManager& dialogueDataManager;
    };

    using Create = std::function<std::unique_ptr<orv::Entity>(const Resources&)>;

    std::string id;
    std::string name;
    // Builds a fresh entity, neither initialised nor in a world.
    Create create;
};

} // namespace tarsk
