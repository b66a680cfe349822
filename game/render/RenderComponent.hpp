#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/render/Renderable.hpp"
#include "game/content/Identifiers.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/System/Vector3.hpp>

#include <memory>
#include <vector>

namespace orv {
class TransformationComponent;
}

namespace tarsk {

// What the camera draws of an entity: the drawables its visual components (sprite, terrain)
// hand in, and the position that fixes its place in the draw order. Saved under "render".
class RenderComponent : public orv::SerializableComponent, public orv::Renderable {
public:
    inline static const std::string& Name = id::component::render;
    RenderComponent() = default;

    // "sortingOffset.x", ".y" and ".z" are required numbers.
    static std::unique_ptr<RenderComponent> fromJson(const nlohmann::json& data);

    // Takes the entity's transform when it has one; without, the entity sorts by its offset.
    void onPreInit(orv::Entity* entity) override;
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    // The drawable belongs to a sibling component, which lives as long as this one.
    void addRenderer(sf::Drawable* drawable);
    const std::vector<sf::Drawable*>& getParts() const { return parts; }

    // The transform's position in pixels plus the offset (already pixels).
    sf::Vector3f getSortPosition() const;
    sf::Vector3f getSortingOffset() const { return sortingOffset; }
    void setSortingOffset(sf::Vector3f offset) { sortingOffset = offset; }

private:
    orv::TransformationComponent* transform = nullptr;
    sf::Vector3f sortingOffset{0.f, 0.f, 0.f};
    std::vector<sf::Drawable*> parts;
};

} // namespace tarsk
