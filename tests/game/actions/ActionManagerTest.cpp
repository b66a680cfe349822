#include "game/actions/ActionManager.hpp"
#include "engine/ecs/World.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// An action that only has a name and a rectangle.
class FixedAction : public tarsk::Action {
public:
    FixedAction(std::string name, sf::FloatRect bounds) : name(std::move(name)), bounds(bounds) {}
    std::string getDescription() const override { return name; }
    sf::FloatRect getTargetBounds() const override { return bounds; }
    void execute() override {}

private:
    std::string name;
    sf::FloatRect bounds;
};

class FixedGenerator : public tarsk::ActionGenerator {
public:
    explicit FixedGenerator(std::vector<std::pair<std::string, sf::FloatRect>> offers)
        : offers(std::move(offers)) {}
    std::vector<std::unique_ptr<tarsk::Action>> generate(orv::World&, const orv::Entity* actor) override {
        seenActor = actor;
        std::vector<std::unique_ptr<tarsk::Action>> actions;
        for (const auto& [name, bounds] : offers)
            actions.push_back(std::make_unique<FixedAction>(name, bounds));
        return actions;
    }

    const orv::Entity* seenActor = nullptr;

private:
    std::vector<std::pair<std::string, sf::FloatRect>> offers;
};

class NamedItemAction : public tarsk::ItemAction {
public:
    explicit NamedItemAction(std::string name) : name(std::move(name)) {}
    std::string getDescription() const override { return name; }
    void execute() override {}

private:
    std::string name;
};

class NamedItemGenerator : public tarsk::ItemActionGenerator {
public:
    explicit NamedItemGenerator(std::vector<std::string> names) : names(std::move(names)) {}
    std::vector<std::unique_ptr<tarsk::ItemAction>> generate(orv::World&, const orv::Entity*,
                                                             const tarsk::Item* item) override {
        seenItem = item;
        std::vector<std::unique_ptr<tarsk::ItemAction>> actions;
        for (const std::string& name : names)
            actions.push_back(std::make_unique<NamedItemAction>(name));
        return actions;
    }

    const tarsk::Item* seenItem = reinterpret_cast<const tarsk::Item*>(1);

private:
    std::vector<std::string> names;
};

template <class A>
std::vector<std::string> namesOf(const std::vector<std::unique_ptr<A>>& actions) {
    std::vector<std::string> names;
    for (const auto& action : actions)
        names.push_back(action->getDescription());
    return names;
}

class ActionManagerTest : public ::testing::Test {
protected:
    ActionManagerTest() {
        std::vector<std::unique_ptr<tarsk::ActionGenerator>> generators;
        generators.push_back(
            std::make_unique<FixedGenerator>(std::vector<std::pair<std::string, sf::FloatRect>>{
                {"near", {1.f, 1.f, 2.f, 2.f}}, {"flipped", {3.f, 3.f, -2.f, -2.f}}}));
        generators.push_back(
            std::make_unique<FixedGenerator>(std::vector<std::pair<std::string, sf::FloatRect>>{
                {"far", {10.f, 10.f, 1.f, 1.f}}, {"nowhere", {0.f, 0.f, 0.f, 0.f}}}));
        first = static_cast<FixedGenerator*>(generators[0].get());
        std::vector<std::unique_ptr<tarsk::ItemActionGenerator>> itemGenerators;
        itemGenerators.push_back(
            std::make_unique<NamedItemGenerator>(std::vector<std::string>{"Eat", "Smell"}));
        itemGenerators.push_back(std::make_unique<NamedItemGenerator>(std::vector<std::string>{"Throw"}));
        itemGenerator = static_cast<NamedItemGenerator*>(itemGenerators[0].get());
        manager = std::make_unique<tarsk::ActionManager>(std::move(generators), std::move(itemGenerators));
    }

    std::vector<std::string> namesAt(sf::Vector2f position) {
        return namesOf(manager->getActionsAt(world, &actor, position));
    }

    orv::World world;
    orv::Entity actor;
    FixedGenerator* first = nullptr;
    NamedItemGenerator* itemGenerator = nullptr;
    std::unique_ptr<tarsk::ActionManager> manager;
};

TEST_F(ActionManagerTest, CollectsTheGeneratorsActionsInOrder) {
    EXPECT_EQ(namesOf(manager->getActions(world, &actor)),
              (std::vector<std::string>{"near", "flipped", "far", "nowhere"}));
    EXPECT_EQ(first->seenActor, &actor);

    EXPECT_EQ(namesOf(manager->getItemActions(world, &actor, nullptr)),
              (std::vector<std::string>{"Eat", "Smell", "Throw"}));
    EXPECT_EQ(itemGenerator->seenItem, nullptr);
}

TEST_F(ActionManagerTest, KeepsTheActionsWhoseTargetLiesUnderThePosition) {
    // Lower edges select, upper edges do not, whichever way the rectangle is written.
    EXPECT_EQ(namesAt({1.f, 1.f}), (std::vector<std::string>{"near", "flipped"}));
    EXPECT_EQ(namesAt({2.999f, 2.999f}), (std::vector<std::string>{"near", "flipped"}));
    EXPECT_TRUE(namesAt({3.f, 2.f}).empty());
    EXPECT_TRUE(namesAt({2.f, 3.f}).empty());
    EXPECT_TRUE(namesAt({0.999f, 2.f}).empty());
    EXPECT_EQ(namesAt({10.5f, 10.f}), std::vector<std::string>{"far"});
}

TEST_F(ActionManagerTest, TheOriginKeepsEveryAction) {
    EXPECT_EQ(namesAt({0.f, 0.f}), (std::vector<std::string>{"near", "flipped", "far", "nowhere"}));
    // Close by is not the origin: the empty rectangle there holds nothing.
    EXPECT_TRUE(namesAt({0.f, 0.001f}).empty());
}

} // namespace
