#pragma once

#include "engine/ecs/Component.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/lights/LightMap.hpp"
#include "game/render/RenderSystem.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/View.hpp>

#include <vector>

namespace orv {
class Entity;
class TransformationComponent;
} // namespace orv

namespace tarsk {

class Light;

// Turns its entity into a camera: a view centred on the entity's transform that draws a world's
// renderables, and the light map seen through that view. Not saved.
class CameraComponent : public orv::Component {
public:
    CameraComponent() = default;

    // Needs the entity's transform; the view follows its position, rotation and scale.
    void onPreInit(orv::Entity* entity) override;
    void onInit() override {}

    // World units at scale 1; applied at onPreInit and at the next scale change.
    void setViewSize(sf::Vector2f size) { viewSize = size; }
    sf::Vector2f getViewSize() const { return viewSize; }
    const sf::View& getView() const { return view; }

    // Draw through the view, in list order, then restore the target's default view.
    void renderRenderables(sf::RenderTarget& target,
                           const std::vector<RenderSystem::RenderableEntry>& renderables,
                           const sf::RenderStates& states = sf::RenderStates::Default) const;
    void renderDrawables(sf::RenderTarget& target, const std::vector<sf::Drawable*>& drawables,
                         const sf::RenderStates& states = sf::RenderStates::Default) const;

    // Rebuilds the light map at the window's size: the ambient colour plus every light's disc.
    void renderLightMap(const std::vector<const Light*>& lights, sf::Color ambient, sf::Vector2u windowSize);
    // The same for a render system's light components, in its order.
    void renderLightMap(const std::vector<RenderSystem::LightEntry>& lights, sf::Color ambient,
                        sf::Vector2u windowSize);
    // Throws std::logic_error before the first renderLightMap.
    const sf::Texture& getLightMapTexture() const { return lightMap.getTexture(); }

    // Moves this camera's entity wherever the given entity moves, from its next move on; null
    // only stops following. The camera must be initialised and cannot follow itself.
    void trackEntityPosition(const orv::Entity* entity);

private:
    void applyScale(sf::Vector2f scale);

    const orv::Entity* owner = nullptr;
    orv::TransformationComponent* transform = nullptr;
    sf::Vector2f viewSize{1.f, 1.f};
    sf::View view;
    LightMap lightMap;
    smartsignals::ScopedConnections tracking;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
