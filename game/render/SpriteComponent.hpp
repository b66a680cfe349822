#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/render/Renderable.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/content/Identifiers.hpp"
#include "game/render/SpriteDescription.hpp"
#include "game/render/TextureSprite.hpp"

#include <memory>
#include <string>

namespace orv {
class ResourceManager;
class TransformationComponent;
} // namespace orv

namespace tarsk {

class RenderComponent;

// One texture, or a rectangle of it, centred on its entity and sized to baseSize × the entity's
// scale, whatever the texture's own size. It follows the entity's transform and sets the render
// component's sort offset from its anchor, so that a tree sorts by its foot. Saved under "sprite".
class SpriteComponent : public orv::SerializableComponent, public orv::Renderable {
public:
    inline static const std::string& Name = id::component::sprite;
    // The anchor must be 0-8 (std::invalid_argument otherwise).
    SpriteComponent(orv::ResourceManager& resources, SpriteDescription description);

    // Required: "textureResourceId", "anchor", "spritePositionOffset.x"/".y",
    // "spriteRotationOffset", "spriteBaseSize.x"/".y"; optional: "textureRect.top", ".left",
    // ".height", ".width". A missing required key or a non-object is std::logic_error.
    static std::unique_ptr<SpriteComponent> fromJson(const nlohmann::json& data,
                                                     orv::ResourceManager& resources);

    // Needs the entity's render and transformation components.
    void onPreInit(orv::Entity* entity) override;
    // Loads the texture, places the sprite, hands it to the render component and starts
    // following the transform.
    void onInit() override;

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    // Only before onInit: sprites sharing a texture share its upload.
    void setTextureId(const std::string& textureId);
    const std::string& getTextureId() const { return textureResourceId; }

    // Shows another part of the texture, resized to the base size and placed again (animations
    // call this every frame).
    void setTextureRect(const sf::IntRect& rect);

    // In pixels.
    sf::FloatRect getGlobalBounds() const { return drawable.getSprite().getGlobalBounds(); }
    const sf::Sprite& getSprite() const { return drawable.getSprite(); }
    const SpriteDescription& getDescription() const { return description; }
    bool isInitialised() const { return initialised; }

private:
    sf::Sprite& sprite() { return drawable.getSprite(); }
    // Scale first: the position centres the scaled picture, and the anchor takes its size.
    void place();
    void updateScale();
    void updatePosition();
    void updateAnchor();
    void updateRotation(float degrees);

    orv::ResourceManager& resources;
    RenderComponent* renderComponent = nullptr;
    orv::TransformationComponent* transform = nullptr;
    std::string textureResourceId;
    SpriteDescription description;
    TextureSprite drawable;
    bool initialised = false;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
