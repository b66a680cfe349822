#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace orv {
class BlueprintManager;
}

namespace tarsk {

class AiManager;
class DialogueDataManager;
class EntityFactoryManager;

// Follows what an entity's component records name, as far as it goes, before the entity is ever
// made: the entity a spawner makes (and what that one spawns in turn), the remains a death leaves,
// the behaviour tree with its nodes, the dialogue. Type errors are left to the component readers.
class EntityContentCheck {
public:
    // Per spawner and per spawn event, so a typo cannot stall the first update or fill the memory.
    static constexpr std::int64_t MaxSpawnedEntities = 1000;

    EntityContentCheck(const EntityFactoryManager& factories, const orv::BlueprintManager& blueprints,
                       const AiManager& ai, const DialogueDataManager& dialogues);

    // The records of one entity; owner is the blueprint they belong to, if any. Throws
    // orv::JsonError with the path below the records ("spawner.entityIdToSpawn").
    void check(const nlohmann::json& components, const std::optional<std::string>& owner = {}) const;

private:
    void checkSpawner(const nlohmann::json& spawner, const std::optional<std::string>& owner) const;
    void checkSpawnChain(const std::string& spawned, const std::optional<std::string>& owner) const;
    void checkRemains(const nlohmann::json& fighter) const;
    void checkMakeable(const std::string& id) const;
    void checkTree(const nlohmann::json& ai) const;
    void checkDialogue(const nlohmann::json& sender) const;

    const EntityFactoryManager& factories;
    const orv::BlueprintManager& blueprints;
    const AiManager& ai;
    const DialogueDataManager& dialogues;
    // Each tree is built once, however many entities use it.
    mutable std::set<std::string> builtTrees;
};

} // namespace tarsk
