#include "engine/scripting/ScriptProvider.hpp"

namespace orv {

ScriptProvider::ScriptProvider() {
    state.open({lua::Library::base, lua::Library::string});
    const lua::Table globals = state.globals();
    if (globals.get<lua::Reference>("game").type() == lua::Type::nil)
        globals.set("game", state.createTable());
    game = globals.get<lua::Table>("game");
    tostring = globals.get<lua::Function>("tostring");
}

void ScriptProvider::completeRegistration() {
    checkRegistrationOpen();
    state.sealGlobals();
    // Scripts see "game" as a read-only view of the table filled during registration.
    game = state.globals().get<lua::Table>("game");
    registrationComplete = true;
}

lua::Environment ScriptProvider::createEnvironment() {
    if (!registrationComplete)
        throw std::runtime_error("cannot perform this action when registration is not complete");
    return lua::Environment::over(state.globals());
}

lua::LoadResult ScriptProvider::load(const std::string& code) {
    return state.load(code);
}

void ScriptProvider::checkRegistrationOpen() const {
    if (registrationComplete)
        throw std::runtime_error("cannot perform this action when registration is already complete");
}

} // namespace orv
