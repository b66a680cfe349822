#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "game/content/Identifiers.hpp"

#include <SFML/Graphics/Color.hpp>

#include <memory>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class LightComponent;
class RenderComponent;

// Keeps, per world, the entities that are drawn and those that give light, and the ambient
// colour of the light map. It draws nothing itself: the render pass sorts the renderables and
// hands both lists to the active camera. Saved as "RenderSystem", without data.
class RenderSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::render;

    using RenderableEntry = orv::EntityTracker<RenderComponent>::Entry;
    using LightEntry = orv::EntityTracker<LightComponent>::Entry;

    RenderSystem();

    static std::unique_ptr<RenderSystem> create(const nlohmann::json& data);

    // Learns of entities only from here on, through the world's signals.
    void onPreInit(orv::World* world) override;
    void onInit() override {}
    void onUpdate() override {}

    const std::string& getSystemTypeName() const override { return TypeName; }

    // In arrival order until sorted.
    const std::vector<RenderableEntry>& getRenderables() { return renderables.entries(); }
    // In arrival order.
    const std::vector<LightEntry>& getLights() { return lights.entries(); }

    sf::Color getAmbientColor() const { return ambientColor; }
    void setAmbientColor(sf::Color color) { ambientColor = color; }

    // Puts the renderables in draw order (see drawsBefore). Stable, so renderables with equal
    // sort positions keep their order from frame to frame instead of flickering; it allocates
    // only when the list has grown.
    void sortRenderables();

private:
    orv::EntityTracker<RenderComponent> renderables;
    orv::EntityTracker<LightComponent> lights;
    sf::Color ambientColor{0, 0, 0, 0};
    std::vector<RenderableEntry> scratch;
};

} // namespace tarsk
