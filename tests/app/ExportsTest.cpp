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
         }) {
        EXPECT_NE(symbols.find(name), std::string::npos) << name << " is not exported";
    }
}

} // namespace
