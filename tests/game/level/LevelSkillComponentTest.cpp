#include "game/level/LevelSkillComponent.hpp"

#include "game/combat/AttackManager.hpp"

#include "game/combat/CombatTestSupport.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

using tarsk::FighterComponent;
using tarsk::HealthComponent;
using tarsk::LevelSkillComponent;

namespace {

// A player-like entity whose level component hears its fighter's kills, and a record of the
// level component's announcements.
struct Player {
    explicit Player(std::int32_t level = 1, std::int32_t xp = 0) {
        entity.addComponent<HealthComponent>(100.f, 100.f);
        fighter =
            entity.addComponent<FighterComponent>(0u, std::vector<std::string>{}, std::vector<std::string>{});
        skill = entity.addComponent<LevelSkillComponent>(level, xp);
        entity.init();
        skill->xpChanged.connect([this](int from, int to) {
            events.push_back("xp " + std::to_string(from) + "->" + std::to_string(to));
        });
        skill->levelChanged.connect([this](int from, int to) {
            events.push_back("level " + std::to_string(from) + "->" + std::to_string(to));
        });
    }

    void kill(std::uint32_t worth) {
        victims.push_back(std::make_unique<orv::Entity>());
        victims.back()->addComponent<FighterComponent>(worth, std::vector<std::string>{},
                                                       std::vector<std::string>{});
        fighter->killed.emit(victims.back().get());
    }

    orv::Entity entity;
    FighterComponent* fighter;
    LevelSkillComponent* skill;
    std::vector<std::string> events;
    std::vector<std::unique_ptr<orv::Entity>> victims;
};

using Events = std::vector<std::string>;

std::string errorOf(const nlohmann::json& data) {
    try {
        LevelSkillComponent::fromJson(data);
    } catch (const std::exception& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(LevelSkill, ThresholdsGrowWithTheSquareOfTheLevel) {
    EXPECT_EQ(LevelSkillComponent::thresholdOf(1), 20);
    EXPECT_EQ(LevelSkillComponent::thresholdOf(2), 80);
    EXPECT_EQ(LevelSkillComponent::thresholdOf(3), 180);
    EXPECT_EQ(LevelSkillComponent::thresholdOf(4), 320);
    EXPECT_EQ(LevelSkillComponent::thresholdOf(0), 0);
    EXPECT_EQ(LevelSkillComponent::thresholdOf(-2), 80);
    EXPECT_EQ(LevelSkillComponent(3, 0).getXpForNextLevel(), 180);
    EXPECT_EQ(LevelSkillComponent(std::numeric_limits<std::int32_t>::max(), 0).getXpForNextLevel(),
              std::numeric_limits<std::int32_t>::max());
}

TEST(LevelSkill, AKillPastTheThresholdRaisesTheLevelAndKeepsTheRest) {
    Player p(1, 15);
    p.kill(10);
    EXPECT_EQ(p.events, (Events{"xp 15->25", "level 1->2", "xp 25->5"}));
    EXPECT_EQ(p.skill->getLevel(), 2);
    EXPECT_EQ(p.skill->getXp(), 5);
    EXPECT_EQ(p.skill->getXpForNextLevel(), 80);
}

TEST(LevelSkill, ABigKillTakesSeveralLevelsOneAtATime) {
    Player p;
    std::vector<std::pair<int, int>> seenWhileLevelling;
    p.skill->levelChanged.connect(
        [&](int, int) { seenWhileLevelling.emplace_back(p.skill->getLevel(), p.skill->getXp()); });
    p.kill(100);
    EXPECT_EQ(p.events, (Events{"xp 0->100", "level 1->2", "xp 100->80", "level 2->3", "xp 80->0"}));
    // Both values are already updated when the level announcement goes out.
    EXPECT_EQ(seenWhileLevelling, (std::vector<std::pair<int, int>>{{2, 80}, {3, 0}}));
}

TEST(LevelSkill, AWorthlessKillStillAnnouncesTheExperience) {
    Player p(2, 40);
    p.kill(0);
    EXPECT_EQ(p.events, (Events{"xp 40->40"}));
}

TEST(LevelSkill, LevelZeroNeverRises) {
    Player p(0, 5000);
    p.kill(10);
    EXPECT_EQ(p.events, (Events{"xp 5000->5010"}));
    EXPECT_EQ(p.skill->getLevel(), 0);
}

TEST(LevelSkill, ExperienceSaturatesInsteadOfWrapping) {
    const std::int32_t top = std::numeric_limits<std::int32_t>::max();
    Player p(100000, top - 5);
    p.kill(std::numeric_limits<std::uint32_t>::max());
    EXPECT_EQ(p.skill->getXp(), top);
    EXPECT_EQ(p.skill->getLevel(), 100000);
}

TEST(LevelSkill, NeedsAFighterAndVictimsThatFight) {
    orv::Entity loner;
    loner.addComponent<LevelSkillComponent>();
    try {
        loner.init();
        FAIL() << "initialised without a fighter";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "Component does not exist. Typename: tarsk::FighterComponent");
    }

    Player p;
    orv::Entity rock;
    EXPECT_THROW(p.fighter->killed.emit(&rock), std::logic_error);
    EXPECT_EQ(p.skill->getXp(), 0);
}

TEST(LevelSkill, ReadsAndWritesLevelAndExperience) {
    auto read = LevelSkillComponent::fromJson({{"level", 4}, {"xp", 33}});
    EXPECT_EQ(read->getLevel(), 4);
    EXPECT_EQ(read->getXp(), 33);
    EXPECT_EQ(read->toJsonData(), nlohmann::json({{"level", 4}, {"xp", 33}}));
    EXPECT_EQ(read->getName(), "levelSkill");
    EXPECT_NE(errorOf({{"level", 4}}).find("type must be number, but is null"), std::string::npos);
    EXPECT_NE(errorOf({{"xp", 4}}).find("type must be number, but is null"), std::string::npos);
    EXPECT_NE(errorOf({{"level", "4"}, {"xp", 0}}).find("type must be number, but is string"),
              std::string::npos);
    EXPECT_NE(errorOf({{"level", 1}, {"xp", false}}).find("type must be number, but is boolean"),
              std::string::npos);
    EXPECT_NE(errorOf(nlohmann::json::array()).find("type_error.305"), std::string::npos);
}

TEST(LevelSkill, KillsInAFightEarnTheVictimsWorth) {
    using namespace combat_test;
    CombatWorld w([](const std::string&) -> std::unique_ptr<orv::Entity> { return nullptr; });
    auto hero = fighter({0, 0});
    hero->addComponent<LevelSkillComponent>();
    const auto* player = w.add(std::move(hero));
    FighterSpec frog;
    frog.health = 30;
    frog.xpValue = 25;
    w.add(fighter({0, 1.f}, frog));
    w.add(fighter({0.4f, 1.2f}, frog));

    auto punch = tarsk::AttackManager().createAttack("PUNCH_ATTACK");
    fighterOf(player).requestAttack(punch.get());
    const auto* skill = player->getComponent<LevelSkillComponent>();
    EXPECT_EQ(skill->getLevel(), 2);
    EXPECT_EQ(skill->getXp(), 30);
}
