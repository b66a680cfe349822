// The executable exports the engine entry points that tools and mods link against.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

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

TEST(Exports, EngineEntryPointsAreInTheDynamicSymbolTable) {
    const std::string symbols = dynamicSymbols();
    ASSERT_FALSE(symbols.empty()) << "nm found no dynamic symbols";
    for (const char* name : {
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
         }) {
        // A whole symbol line: names inside other symbols (local lambdas) do not count.
        EXPECT_NE(symbols.find(" " + std::string(name) + "\n"), std::string::npos)
            << name << " is not exported";
    }
}

} // namespace
