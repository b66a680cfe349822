#pragma once

#include "engine/ecs/Entity.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/SpriteComponent.hpp"
#include "support/TempFolder.hpp"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace spritetest {

// PNG files in a folder of their own, removed with it.
class TextureFiles {
public:
    // A w × h picture of one colour (or an image the caller drew).
    std::string add(const std::string& name, unsigned w, unsigned h, sf::Color color = sf::Color::Red) {
        sf::Image image;
        image.create(w, h, color);
        return add(name, image);
    }
    std::string add(const std::string& name, const sf::Image& image) {
        const std::string path = (folder / (name + ".png")).string();
        EXPECT_TRUE(image.saveToFile(path));
        return path;
    }

private:
    testsupport::TempFolder folder;
};

// An entity with transform, render and sprite components; not initialised.
inline std::unique_ptr<orv::Entity> spriteEntity(orv::ResourceManager& resources,
                                                 tarsk::SpriteDescription description,
                                                 sf::Vector3f position = {0.f, 0.f, 0.f},
                                                 sf::Vector2f scale = {1.f, 1.f}) {
    auto entity = std::make_unique<orv::Entity>();
    auto* transform = entity->addComponent<orv::TransformationComponent>();
    transform->setPosition(position);
    transform->setScale(scale);
    entity->addComponent<tarsk::RenderComponent>();
    entity->addComponent<tarsk::SpriteComponent>(resources, std::move(description));
    return entity;
}

inline tarsk::SpriteDescription describe(const std::string& texture, std::int32_t anchor = 4) {
    tarsk::SpriteDescription description;
    description.textureResourceId = texture;
    description.anchor = anchor;
    return description;
}

} // namespace spritetest
