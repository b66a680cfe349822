#include "app/scripting/ScriptBindings.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/navigation/Navpath.hpp"
#include "engine/scripting/ScriptProvider.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/navigation/NavigationSystem.hpp"
#include "game/time/DayTime.hpp"
#include "game/time/TimeSystem.hpp"

#include <SFML/System/Vector2.hpp>

#include <utility>
#include <vector>

namespace tarsk {

namespace {

constexpr float defaultArrivalRadius = 0.2f;

// Missing pieces fail in the lookup; the console shows its message.
AiComponent& aiOf(const orv::Entity& entity) {
    return *entity.getComponent<AiComponent>();
}

TimeSystem& timeOf(const orv::World& world) {
    return *world.getSystem<TimeSystem>();
}

void registerEntity(orv::ScriptProvider& provider) {
    provider.registerUsertype<orv::Entity>(
        lua::noConstructor, "world", [](const orv::Entity& entity) { return entity.getWorld(); },
        "d_seekUntilArrive",
        lua::overload([](const orv::Entity& entity,
                         sf::Vector2f target) { aiOf(entity).seekUntilArrive(target, defaultArrivalRadius); },
                      [](const orv::Entity& entity, sf::Vector2f target, float radius) {
                          aiOf(entity).seekUntilArrive(target, radius);
                      }),
        "d_abortSeekUntilArrive", [](const orv::Entity& entity) { aiOf(entity).abortSeekUntilArrive(); },
        "d_followPath",
        [](const orv::Entity& entity, std::vector<sf::Vector2f> points) {
            aiOf(entity).followPath(std::move(points));
        });
}

void registerWorld(orv::ScriptProvider& provider) {
    provider.registerUsertype<orv::World>(
        lua::noConstructor, "getTime", [](const orv::World& world) { return timeOf(world).getDayTime(); },
        "setTime", [](const orv::World& world, const DayTime& time) { timeOf(world).setDayTime(time); },
        // The search is deferred; waiting here runs it inside the call, so its errors reach Lua.
        "d_findGoodPath",
        [](const orv::World& world, sf::Vector2f from, sf::Vector2f to, const orv::Entity& agent) {
            return world.getSystem<NavigationSystem>()->findGoodPath(from, to, &agent).get();
        });
}

} // namespace

void registerScriptBindings(orv::ScriptProvider& provider) {
    registerEntity(provider);
    registerWorld(provider);
    // Scripts keep what they are handed (keep = player): a value whose object died must not
    // reach it.
    provider.watchUsertype<orv::Entity>(
        [](const orv::Entity& entity) { return entity.getLifetime().watch(); }, "entity no longer exists");
    provider.watchUsertype<orv::World>([](const orv::World& world) { return world.getLifetime().watch(); },
                                       "world no longer exists");
    provider.registerUsertype<DayTime>(lua::noConstructor, "hour",
                                       lua::property(&DayTime::getHour, &DayTime::setHour), "minute",
                                       lua::property(&DayTime::getMinute, &DayTime::setMinute), "second",
                                       lua::property(&DayTime::getSecond, &DayTime::setSecond));
    provider.registerUsertype<orv::Navpath>(lua::noConstructor, "isValid", &orv::Navpath::isValid, "getPath",
                                            [](const orv::Navpath& path) { return path.getPath(); });
    provider.registerUsertype<sf::Vector2f>(lua::noConstructor, "x", &sf::Vector2f::x, "y", &sf::Vector2f::y);
    provider.exposeUsertype<DayTime>("DayTime");
    provider.exposeUsertype<sf::Vector2f>("Vec2f");
}

} // namespace tarsk
