#pragma once

namespace orv {
class ScriptProvider;
}

namespace tarsk {

// Declares which engine and game types console scripts can use: Entity, World, Navpath, DayTime
// and Vec2f (the last two also as game.DayTime and game.Vec2f). None is constructible from Lua;
// values reach scripts through the environment's globals and through members of other values.
void registerScriptBindings(orv::ScriptProvider& provider);

} // namespace tarsk
