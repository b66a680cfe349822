#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/signals/Signal.hpp"
#include "game/content/Identifiers.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace tarsk {

// A level and the experience towards the next one, earned by the kills the entity's
// FighterComponent reports: each victim's experience value is added, then whole levels are taken
// out while the experience reaches the current level's threshold. Saved under "levelSkill".
class LevelSkillComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::levelSkill;

    explicit LevelSkillComponent(std::int32_t level = 1, std::int32_t xp = 0);

    // "level" and "xp", both required integers.
    static std::unique_ptr<LevelSkillComponent> fromJson(const nlohmann::json& data);

    // Needs the entity's FighterComponent, whose kills it listens to.
    void onPreInit(orv::Entity* entity) override;
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    std::int32_t getLevel() const { return level; }
    std::int32_t getXp() const { return xp; }
    // The threshold of the current level (saturated at the largest int).
    std::int32_t getXpForNextLevel() const;

    // Takes as many level steps as the experience pays for; a level with no threshold (level 0)
    // takes none.
    void checkLevelUp();

    // Experience needed to leave a level: trunc(level² × 20), so 20, 80, 180, 320, ...
    static std::int64_t thresholdOf(std::int32_t level);

    // (old level, new level) and (old xp, new xp); both values are current when they fire.
    smartsignals::Signal<void(int, int)> levelChanged;
    smartsignals::Signal<void(int, int)> xpChanged;

private:
    void onKill(const orv::Entity* victim);

    std::int32_t level;
    std::int32_t xp;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
