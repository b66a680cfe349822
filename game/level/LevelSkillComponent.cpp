#include "game/level/LevelSkillComponent.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/ecs/Entity.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/json/JsonObject.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace tarsk {

namespace {

constexpr std::int64_t IntMax = std::numeric_limits<std::int32_t>::max();

// A missing key reads as null and fails the same way as a value of the wrong type.
std::int32_t integerAt(const nlohmann::json& data, const char* key) {
    return orv::jsonNumber<std::int32_t>(data.value(key, nlohmann::json()), key);
}

} // namespace

LevelSkillComponent::LevelSkillComponent(std::int32_t level, std::int32_t xp) : level(level), xp(xp) {}

std::unique_ptr<LevelSkillComponent> LevelSkillComponent::fromJson(const nlohmann::json& data) {
    requireJsonObject(data);
    const std::int32_t level = integerAt(data, "level");
    return std::make_unique<LevelSkillComponent>(level, integerAt(data, "xp"));
}

void LevelSkillComponent::onPreInit(orv::Entity* entity) {
    entity->getComponent<FighterComponent>()->killed.connectTracked(
        connections, [this](const orv::Entity* victim) { onKill(victim); });
}

nlohmann::json LevelSkillComponent::toJsonData() const {
    return {{"level", level}, {"xp", xp}};
}

std::int64_t LevelSkillComponent::thresholdOf(std::int32_t level) {
    const double threshold = std::pow(static_cast<double>(static_cast<float>(level)), 2.0) * 20.0;
    // Experience is a 32-bit value, so anything past its range is out of reach all the same.
    return static_cast<std::int64_t>(std::min(threshold, static_cast<double>(IntMax + 1)));
}

std::int32_t LevelSkillComponent::getXpForNextLevel() const {
    return static_cast<std::int32_t>(std::min(thresholdOf(level), IntMax));
}

void LevelSkillComponent::onKill(const orv::Entity* victim) {
    const std::int64_t gain = victim->getComponent<FighterComponent>()->getXpValue();
    const std::int32_t oldXp = xp;
    // Saturates rather than wrapping into negative experience.
    xp = static_cast<std::int32_t>(std::min(oldXp + gain, IntMax));
    xpChanged.emit(oldXp, xp);
    checkLevelUp();
}

void LevelSkillComponent::checkLevelUp() {
    std::int64_t threshold = thresholdOf(level);
    while (xp >= threshold && threshold >= 1) {
        const std::int32_t oldLevel = level;
        const std::int32_t oldXp = xp;
        xp = static_cast<std::int32_t>(xp - threshold);
        level += 1;
        levelChanged.emit(oldLevel, level);
        xpChanged.emit(oldXp, xp);
        threshold = thresholdOf(level);
    }
}

} // namespace tarsk
