#pragma once

#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"

#include <nlohmann/json.hpp>

#include <memory>

namespace tarsk {

class DayNightCycleDefinition;
class DayNightCycleDataManager;
class RenderSystem;
class TimeSystem;

// Colours a world by its time of day: every frame the definition's colour for the moment
// becomes the render system's ambient colour.
class DayNightCycleSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    explicit DayNightCycleSystem(const DayNightCycleDefinition& definition);

    // Reads "cycleId" and binds the system to that definition of the manager.
    static std::unique_ptr<DayNightCycleSystem> fromJson(const nlohmann::json& json,
                                                         const DayNightCycleDataManager& definitions);

    void onPreInit(orv::World* world) override;
    void onInit() override {}
    void onUpdate() override;

    nlohmann::json toJsonData() const override;
    const std::string& getSystemTypeName() const override;

    const DayNightCycleDefinition& getDefinition() const { return *definition; }

private:
    RenderSystem* renderSystem = nullptr;
    TimeSystem* timeSystem = nullptr;
    const DayNightCycleDefinition* definition;
};

} // namespace tarsk
