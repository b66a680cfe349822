#pragma once

#include "game/content/Identifiers.hpp"
#include "game/lights/Light.hpp"

#include <SFML/Graphics/Color.hpp>

#include <memory>

namespace tarsk {

// A coloured disc: full strength out to focus × radius, then fading to nothing at the rim.
// Its look never changes after construction.
class PointSpotLight : public Light {
public:
    inline static const std::string& TypeName = id::light::pointSpotLight;
    // The disc is drawn into a texture of 2 × 16 × radius pixels a side; 4096 is a size every
    // GL driver the game runs on can allocate.
    static constexpr float MaxRadius = 128.f;

    // Radius in world units, positive, finite and at most MaxRadius (std::invalid_argument
    // otherwise); focus is clamped to [0, 1], a NaN focus counts as 0.
    PointSpotLight(float radius, float focus, sf::Color color);

    // Every key is required (the JSON library's out_of_range for a missing one); colour channels
    // are clamped to 0-255.
    static std::unique_ptr<PointSpotLight> fromJson(const nlohmann::json& data);

    nlohmann::json toJson() const override;

    sf::Color getColor() const { return color; }
    float getRadius() const { return radius; }
    float getFocus() const { return focus; }

private:
    sf::Color color;
    float radius;
    float focus;
};

} // namespace tarsk
