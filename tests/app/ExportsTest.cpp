// The executable exports the engine entry points that tools and mods link against, and the light
// editor's and the placement state's slots; everything else is built hidden.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string dynamicSymbols() {
    const std::string command =
        std::string("nm -D --defined-only -C '") + ORV_RUN_DIR + "/ostrevale' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    char buffer[4096];
    while (pipe && fgets(buffer, sizeof buffer, pipe.get()))
        output += buffer;
    return output;
}

const std::vector<std::string> entryPoints = {
    "orv::GameState::GameState()",
    "orv::GameState::init()",
    "orv::GameState::update()",
    "orv::GameState::close()",
    "orv::GameState::isClosed() const",
    "orv::GameState::destroy()",
    "orv::GameState::onUpdate_late()",
    "orv::Entity::Entity()",
    "orv::Entity::Entity(orv::Entity&&)",
    "orv::Entity::init()",
    "orv::Entity::getInitStatus() const",
    "orv::Component::Component()",
    "orv::Component::~Component()",
    "orv::World::World()",
    "orv::World::update()",
    "orv::EntityManager::addEntity(std::unique_ptr<orv::Entity, std::default_delete<orv::Entity> "
    ">&&)",
    "orv::EntityManager::addEntities(std::vector<std::unique_ptr<orv::Entity, "
    "std::default_delete<orv::Entity> >, std::allocator<std::unique_ptr<orv::Entity, "
    "std::default_delete<orv::Entity> > > >&&)",
    "orv::EntityManager::removeEntities(std::vector<orv::Entity const*, "
    "std::allocator<orv::Entity const*> >)",
    "orv::EntityManager::getEntityCount() const",
    "orv::System_base<orv::World>::System_base()",
    "orv::System_base<orv::World>::System_base(int)",
    "orv::System_base<orv::World>::getUpdatePriority() const",
    "orv::System_base<orv::World>::~System_base()",
    "orv::System_base<orv::WorldManager>::System_base()",
    "orv::System_base<orv::WorldManager>::System_base(int)",
    "orv::System_base<orv::WorldManager>::getUpdatePriority() const",
    "orv::System_base<orv::WorldManager>::~System_base()",
    "orv::SystemManager_base<orv::System_base<orv::World> >::initSystems(orv::World&)",
    "orv::SystemManager_base<orv::System_base<orv::WorldManager> >::initSystems(orv::WorldManager&)",
    "tarsk::EditorGameState::onInit()",
    "tarsk::EditorGameState::onUpdate()",
    "tarsk::EditorGameState::onDestroy()",
    "tarsk::EntityPlacementGamestate::onInit()",
    "tarsk::EntityPlacementGamestate::onUpdate()",
    "tarsk::EntityPlacementGamestate::onUpdate_late()",
    "tarsk::EntityPlacementGamestate::onDestroy()",
};

// The names of the defined dynamic symbols, one per line of nm's output.
std::vector<std::string> symbolNames(const std::string& symbols) {
    std::vector<std::string> names;
    std::istringstream lines(symbols);
    std::string address, type, name;
    while (lines >> address >> type && std::getline(lines >> std::ws, name))
        names.push_back(name);
    return names;
}

TEST(Exports, EntryPointsAreInTheDynamicSymbolTable) {
    const std::string symbols = dynamicSymbols();
    ASSERT_FALSE(symbols.empty()) << "nm found no dynamic symbols";
    const std::vector<std::string> names = symbolNames(symbols);
    for (const std::string& name : entryPoints) {
        // A whole symbol: names inside other symbols (local lambdas) do not count.
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name << " is not exported";
    }
}

TEST(Exports, NothingElseOfOursIsExported) {
    const std::vector<std::string> names = symbolNames(dynamicSymbols());
    ASSERT_FALSE(names.empty()) << "nm found no dynamic symbols";
    for (const std::string& name : names) {
        const bool ours = name.rfind("orv::", 0) == 0 || name.rfind("tarsk::", 0) == 0 ||
                          name.rfind("ui::", 0) == 0 || name.rfind("smartsignals::", 0) == 0;
        // The system templates are instantiated for World and WorldManager as a whole, together
        // with their entry points.
        const bool systemTemplate =
            name.rfind("orv::System_base<", 0) == 0 || name.rfind("orv::SystemManager_base<", 0) == 0;
        if (ours && !systemTemplate) {
            EXPECT_NE(std::find(entryPoints.begin(), entryPoints.end(), name), entryPoints.end())
                << name << " is exported";
        }
    }
    // With everything visible the table held thousands; the rest is runtime, standard library
    // and Box2D code that our objects instantiate or copy.
    EXPECT_LT(names.size(), 600u);
}

} // namespace
