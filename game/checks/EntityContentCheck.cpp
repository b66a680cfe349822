#include "game/checks/EntityContentCheck.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/common/JsonMember.hpp"
#include "engine/common/JsonWhere.hpp"
#include "engine/physics/PhysicsLimits.hpp"
#include "engine/serialization/BlueprintComponent.hpp"
#include "engine/serialization/BlueprintManager.hpp"
#include "game/ai/AiManager.hpp"
#include "game/content/Identifiers.hpp"
#include "game/dialogue/DialogueDataManager.hpp"
#include "game/factories/EntityFactoryManager.hpp"
#include "game/spawner/SpawnerComponent.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace tarsk {

namespace {

const std::string* stringMember(const nlohmann::json& object, const std::string& key) {
    const nlohmann::json* value = orv::findMember(object, key);
    return value && value->is_string() ? &value->get_ref<const std::string&>() : nullptr;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A spawner fills up to its limit within one frame, and makes its count within one: beyond the
// bound that frame would stall the game or take the memory. 0 or less means nothing is made.
void checkAtMost(const nlohmann::json& spawner, const std::string& key, std::int64_t value,
                 std::int64_t most) {
    if (value > most)
        throw orv::JsonError(key, "must be at most " + std::to_string(most) + ", but is " +
                                      spawner.at(key).dump());
}

// A spawner whose limit is 0 or less never makes anything, neither at its first update nor later.
bool neverSpawns(const nlohmann::json& spawner) {
    const nlohmann::json* limit = orv::findMember(spawner, "maxConcurrentlySpawnedEntities");
    return limit && limit->is_number() && limit->get<double>() <= 0;
}

} // namespace

EntityContentCheck::EntityContentCheck(const EntityFactoryManager& factories,
                                       const orv::BlueprintManager& blueprints, const AiManager& ai,
                                       const DialogueDataManager& dialogues)
    : factories(factories), blueprints(blueprints), ai(ai), dialogues(dialogues) {}

void EntityContentCheck::check(const nlohmann::json& components,
                               const std::optional<std::string>& owner) const {
    if (const nlohmann::json* spawner = orv::findMember(components, id::component::spawner))
        orv::readUnderKey(id::component::spawner, [&] { checkSpawner(*spawner, owner); });
    if (const nlohmann::json* fighter = orv::findMember(components, id::component::fighter))
        orv::readUnderKey(id::component::fighter, [&] { checkRemains(*fighter); });
    if (const nlohmann::json* record = orv::findMember(components, id::component::ai))
        orv::readUnderKey(id::component::ai, [&] { checkTree(*record); });
    if (const nlohmann::json* sender = orv::findMember(components, id::component::dialogueSender))
        orv::readUnderKey(id::component::dialogueSender, [&] { checkDialogue(*sender); });
}

void EntityContentCheck::checkSpawner(const nlohmann::json& spawner,
                                      const std::optional<std::string>& owner) const {
    // The reader's own checks first: every key there, of its type.
    const SpawnerSettings settings = SpawnerComponent::fromJson(spawner)->getSettings();
    orv::readUnderKey("spawnRadius", [&] { orv::checkCoordinate(settings.spawnRadius, "the spawn radius"); });
    checkAtMost(spawner, "spawnCount", settings.spawnCount, MaxSpawnedEntities);
    checkAtMost(spawner, "maxConcurrentlySpawnedEntities", settings.maxConcurrentlySpawnedEntities,
                MaxSpawnedEntities);
    // What it names is made only by a spawner that spawns.
    if (neverSpawns(spawner))
        return;
    orv::readUnderKey("entityIdToSpawn", [&] {
        checkMakeable(settings.entityIdToSpawn);
        checkSpawnChain(settings.entityIdToSpawn, owner);
    });
}

void EntityContentCheck::checkSpawnChain(const std::string& spawned,
                                         const std::optional<std::string>& owner) const {
    // Each spawned spawner fills up at once: a chain back to one of its links grows without end.
    std::vector<std::string> chain;
    if (owner)
        chain.push_back(*owner);
    std::string next = spawned;
    while (true) {
        const bool repeats = std::find(chain.begin(), chain.end(), next) != chain.end();
        chain.push_back(next);
        if (repeats) {
            std::string links;
            for (const std::string& link : chain)
                links += (links.empty() ? "" : " -> ") + link;
            throw std::runtime_error(quoted(spawned) + " spawns itself: " + links);
        }
        const orv::Blueprint* blueprint = blueprints.find(next);
        if (!blueprint || !blueprint->isCompiled())
            return;
        const nlohmann::json* spawner = orv::findMember(blueprint->getComponents(), id::component::spawner);
        const std::string* target =
            spawner && !neverSpawns(*spawner) ? stringMember(*spawner, "entityIdToSpawn") : nullptr;
        if (!target)
            return;
        next = *target;
    }
}

void EntityContentCheck::checkRemains(const nlohmann::json& fighter) const {
    const nlohmann::json* remains = orv::findMember(fighter, "entitesToSpawnOnDeath");
    if (!remains || !remains->is_array())
        return;
    for (std::size_t i = 0; i < remains->size(); ++i) {
        if ((*remains)[i].is_string())
            orv::readUnderElement("entitesToSpawnOnDeath", i,
                                  [&] { checkMakeable((*remains)[i].get_ref<const std::string&>()); });
    }
}

void EntityContentCheck::checkMakeable(const std::string& id) const {
    const orv::Blueprint* blueprint = blueprints.find(id);
    if (blueprint && !blueprint->isEntity())
        throw std::runtime_error(quoted(id) + " is a blueprint of no entity");
    if (!factories.hasFactory(id))
        throw std::runtime_error(quoted(id) + " names no entity blueprint or factory");
    // Terrain belongs to a world, once: a second one would cover the first.
    if (blueprint && blueprint->isCompiled() &&
        orv::findMember(blueprint->getComponents(), id::component::terrain))
        throw std::runtime_error(quoted(id) + " carries terrain");
}

void EntityContentCheck::checkTree(const nlohmann::json& record) const {
    const std::string* name = stringMember(record, "behavior");
    if (!name || builtTrees.contains(*name))
        return;
    orv::readUnderKey("behavior", [&] {
        if (!ai.hasTree(*name))
            throw std::runtime_error("no behaviour tree " + quoted(*name) + " in " +
                                     AiManager::DefaultFolder.string());
        // Its nodes and their inputs are known once it is built; the error names the tree's file.
        ai.createTree(*name);
    });
    builtTrees.insert(*name);
}

void EntityContentCheck::checkDialogue(const nlohmann::json& sender) const {
    const std::string* id = stringMember(sender, "DialogueFactoryId");
    if (id && !dialogues.hasFactory(*id))
        orv::readUnderKey("DialogueFactoryId",
                          [&] { throw std::runtime_error("no dialogue " + quoted(*id)); });
}

} // namespace tarsk
