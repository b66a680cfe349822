#pragma once

#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/signals/ScopedConnections.hpp"
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

    struct RenderableEntry {
        const orv::Entity* entity = nullptr;
        RenderComponent* component = nullptr;
    };
    struct LightEntry {
        const orv::Entity* entity = nullptr;
        LightComponent* component = nullptr;
    };

    RenderSystem();

    static std::unique_ptr<RenderSystem> create(const nlohmann::json& data);

    // Learns of entities only from here on, through the world's signals.
    void onPreInit(orv::World* world) override;
    void onInit() override {}
    void onUpdate() override {}

    const std::string& getSystemTypeName() const override { return TypeName; }

    // In arrival order until sorted.
    const std::vector<RenderableEntry>& getRenderables() const { return renderables; }
    // In arrival order.
    const std::vector<LightEntry>& getLights() const { return lights; }

    sf::Color getAmbientColor() const { return ambientColor; }
    void setAmbientColor(sf::Color color) { ambientColor = color; }

    // Puts the renderables in draw order (see drawsBefore). Stable, so renderables with equal
    // sort positions keep their order from frame to frame instead of flickering; it allocates
    // only when the list has grown.
    void sortRenderables();

private:
    void onEntitiesAdded(const std::vector<const orv::Entity*>& batch);
    void onEntitiesRemoved(const std::vector<const orv::Entity*>& batch);

    std::vector<RenderableEntry> renderables;
    std::vector<LightEntry> lights;
    sf::Color ambientColor{0, 0, 0, 0};
    std::vector<RenderableEntry> scratch;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
