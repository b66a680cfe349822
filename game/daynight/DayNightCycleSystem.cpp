#include "game/daynight/DayNightCycleSystem.hpp"

#include "engine/ecs/World.hpp"
#include "game/content/Identifiers.hpp"
#include "game/daynight/DayNightCycleDataManager.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/time/TimeSystem.hpp"

namespace tarsk {

DayNightCycleSystem::DayNightCycleSystem(const DayNightCycleDefinition& definition)
    : SerializableSystem_template(0), definition(&definition) {}

std::unique_ptr<DayNightCycleSystem>
DayNightCycleSystem::fromJson(const nlohmann::json& json, const DayNightCycleDataManager& definitions) {
    return std::make_unique<DayNightCycleSystem>(
        definitions.getDefinition(json.at("cycleId").get<std::string>()));
}

void DayNightCycleSystem::onPreInit(orv::World* world) {
    renderSystem = world->getSystem<RenderSystem>();
    timeSystem = world->getSystem<TimeSystem>();
}

void DayNightCycleSystem::onUpdate() {
    const double milliseconds = timeSystem->getDayTime().asSfTime().asMilliseconds();
    const auto fraction = static_cast<float>(milliseconds / 86'400'000.0);
    renderSystem->setAmbientColor(definition->getColor(fraction));
}

nlohmann::json DayNightCycleSystem::toJsonData() const {
    return {{"cycleId", definition->getId()}};
}

const std::string& DayNightCycleSystem::getSystemTypeName() const {
    return id::system::dayNightCycle;
}

} // namespace tarsk
