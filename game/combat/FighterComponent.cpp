#include "game/combat/FighterComponent.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/ecs/Entity.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/json/JsonObject.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace tarsk {

FighterComponent::FighterComponent(std::uint32_t xpValue,
                                   const std::vector<std::string>& entitiesToSpawnOnDeath,
                                   std::vector<std::string> factions)
    : xpValue(xpValue), entitiesToSpawnOnDeath(entitiesToSpawnOnDeath), factions(std::move(factions)) {
    std::sort(this->factions.begin(), this->factions.end());
    this->factions.erase(std::unique(this->factions.begin(), this->factions.end()), this->factions.end());
}

std::unique_ptr<FighterComponent> FighterComponent::fromJson(const nlohmann::json& data) {
    requireJsonObject(data);
    // A missing required key reads as null and fails like a value of the wrong type.
    const auto xpValue = orv::jsonNumber<std::uint32_t>(data.value("xpValue", nlohmann::json()), "xpValue");
    auto toSpawn = data.value("entitesToSpawnOnDeath", nlohmann::json()).get<std::vector<std::string>>();
    std::vector<std::string> factions;
    if (data.contains("factions"))
        factions = data["factions"].get<std::vector<std::string>>();
    return std::make_unique<FighterComponent>(xpValue, toSpawn, std::move(factions));
}

void FighterComponent::onPreInit(orv::Entity* entity) {
    health = entity->getComponent<HealthComponent>();
    health->died.connectTracked(connections, [this] { died.emit(); });
}

nlohmann::json FighterComponent::toJsonData() const {
    return {{"xpValue", xpValue}, {"entitesToSpawnOnDeath", entitiesToSpawnOnDeath}, {"factions", factions}};
}

void FighterComponent::requestAttack(Attack* attack) {
    if (!attack)
        throw std::invalid_argument("FighterComponent: no attack to request");
    attackRequested.emit(attack);
}

void FighterComponent::takeDamage(float amount) {
    if (!health)
        throw std::logic_error("FighterComponent: the entity is not initialised");
    health->changeHealth(-amount);
}

} // namespace tarsk
