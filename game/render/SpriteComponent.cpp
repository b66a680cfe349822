#include "game/render/SpriteComponent.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/render/DrawableRenderer.hpp"
#include "engine/resources/RequiredJsonValue.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "engine/transform/UnitConversions.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/SpriteAnchor.hpp"

#include <stdexcept>
#include <utility>

namespace tarsk {

namespace {

bool isEmpty(const sf::IntRect& rect) {
    return rect.left == 0 && rect.top == 0 && rect.width == 0 && rect.height == 0;
}

// An empty picture cannot be stretched to the base size; it keeps the entity's scale instead of
// dividing by zero.
float scaleFactor(float entityScale, float baseSize, float extent) {
    return extent > 0.f ? entityScale * baseSize / extent : entityScale;
}

// The anchor is read wide and range-checked before it becomes an integer, so no value of the
// JSON number can overflow the conversion.
std::int32_t readAnchor(const nlohmann::json& data) {
    const double anchor = orv::getRequiredJsonValue<double>(data, "anchor");
    if (!(anchor > -1.0 && anchor < 9.0))
        throw std::invalid_argument("Sprite anchor must be between 0 and 8, got " +
                                    nlohmann::json(anchor).dump());
    return static_cast<std::int32_t>(anchor);
}

int readOptionalInt(const nlohmann::json& data, const char* key) {
    const auto it = data.find(key);
    return it == data.end() ? 0 : orv::jsonNumber<int>(*it, key);
}

} // namespace

SpriteComponent::SpriteComponent(orv::ResourceManager& resources, SpriteDescription description)
    : resources(resources), textureResourceId(description.textureResourceId),
      description(std::move(description)) {
    checkedAnchor(this->description.anchor);
}

std::unique_ptr<SpriteComponent> SpriteComponent::fromJson(const nlohmann::json& data,
                                                           orv::ResourceManager& resources) {
    SpriteDescription description;
    description.textureResourceId = orv::getRequiredJsonValue<std::string>(data, "textureResourceId");
    description.anchor = readAnchor(data);
    description.positionOffset = {orv::getRequiredJsonValue<float>(data, "spritePositionOffset.x"),
                                  orv::getRequiredJsonValue<float>(data, "spritePositionOffset.y")};
    description.rotationOffset = orv::getRequiredJsonValue<float>(data, "spriteRotationOffset");
    description.baseSize = {orv::getRequiredJsonValue<float>(data, "spriteBaseSize.x"),
                            orv::getRequiredJsonValue<float>(data, "spriteBaseSize.y")};
    description.textureRect = {
        readOptionalInt(data, "textureRect.left"), readOptionalInt(data, "textureRect.top"),
        readOptionalInt(data, "textureRect.width"), readOptionalInt(data, "textureRect.height")};
    return std::make_unique<SpriteComponent>(resources, std::move(description));
}

void SpriteComponent::onPreInit(orv::Entity* entity) {
    renderComponent = entity->getComponent<RenderComponent>();
    transform = entity->getComponent<orv::TransformationComponent>();
}

void SpriteComponent::onInit() {
    auto texture = resources.get(textureResourceId).getCache<TextureSprite::Source>();
    if (isEmpty(sprite().getTextureRect())) {
        const sf::Vector2u size = texture->getSize();
        sprite().setTextureRect({0, 0, int(size.x), int(size.y)});
    }
    drawable.setSource(std::move(texture));
    if (!isEmpty(description.textureRect))
        sprite().setTextureRect(description.textureRect);
    setRenderer(std::make_unique<orv::DrawableRenderer>(&drawable));

    updateRotation(transform->getRotation());
    place();
    renderComponent->addRenderer(&drawable);

    transform->getPositionChangedSignal().connectTracked(connections,
                                                         [this](const sf::Vector3f&) { updatePosition(); });
    transform->getRotationChangedSignal().connectTracked(connections,
                                                         [this](float degrees) { updateRotation(degrees); });
    transform->getScaleChangedSignal().connectTracked(connections, [this](sf::Vector2f) { place(); });
    initialised = true;
}

nlohmann::json SpriteComponent::toJsonData() const {
    const sf::IntRect rect = getSprite().getTextureRect();
    return {{"textureResourceId", textureResourceId},
            {"textureRect.top", rect.top},
            {"textureRect.left", rect.left},
            {"textureRect.height", rect.height},
            {"textureRect.width", rect.width},
            {"spritePositionOffset.x", double(description.positionOffset.x)},
            {"spritePositionOffset.y", double(description.positionOffset.y)},
            {"spriteRotationOffset", double(description.rotationOffset)},
            {"spriteBaseSize.x", double(description.baseSize.x)},
            {"spriteBaseSize.y", double(description.baseSize.y)},
            {"anchor", description.anchor}};
}

void SpriteComponent::setTextureId(const std::string& textureId) {
    if (initialised)
        throw std::logic_error(
            "Not supported. Cannot change textureId once SpriteComponent has been initialized.");
    textureResourceId = textureId;
}

void SpriteComponent::setTextureRect(const sf::IntRect& rect) {
    sprite().setTextureRect(rect);
    description.textureRect = rect;
    if (initialised)
        place();
}

void SpriteComponent::place() {
    updateScale();
    updatePosition();
    updateAnchor();
}

void SpriteComponent::updateScale() {
    const sf::Vector2f scale = transform->getScale();
    sprite().setScale(1.f, 1.f);
    const sf::FloatRect bounds = sprite().getGlobalBounds();
    sprite().setScale(scaleFactor(scale.x, description.baseSize.x, bounds.width),
                      scaleFactor(scale.y, description.baseSize.y, bounds.height));
}

void SpriteComponent::updatePosition() {
    const sf::FloatRect bounds = sprite().getGlobalBounds();
    const sf::Vector3f position = transform->getPosition();
    const sf::Vector2f scale = transform->getScale();
    sprite().setPosition(
        position.x * orv::PixelsPerUnit - bounds.width / 2.f + scale.x * description.positionOffset.x,
        position.y * orv::PixelsPerUnit - bounds.height / 2.f + scale.y * description.positionOffset.y);
}

void SpriteComponent::updateAnchor() {
    const sf::Vector2f anchor = anchorOffset(description.anchor, sprite().getGlobalBounds());
    renderComponent->setSortingOffset(
        {anchor.x + description.positionOffset.x, anchor.y + description.positionOffset.y, 0.f});
}

void SpriteComponent::updateRotation(float degrees) {
    sprite().setRotation(degrees + description.rotationOffset);
}

} // namespace tarsk
