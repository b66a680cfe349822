#pragma once

#include "engine/render/Renderer.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <memory>

namespace tarsk {

class LightShader;
class PointSpotLight;

// Draws a point-spot light: its disc is shaded once into a private texture of its own size,
// which is then drawn centred on the light. The texture is made on the first draw, since it
// needs a GL context. Without a working light shader nothing is drawn.
class PointSpotLightRenderer : public orv::Renderer {
public:
    explicit PointSpotLightRenderer(const PointSpotLight& light);
    ~PointSpotLightRenderer() override;

    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    // Side of the square texture for a light of this radius (world units), in pixels.
    static unsigned textureSide(float radius);
    // The disc texture; null before the first successful draw.
    const sf::RenderTexture* getTexture() const { return texture.get(); }

private:
    bool prepareDisc() const;

    const PointSpotLight* light;
    std::shared_ptr<LightShader> shader;
    mutable std::unique_ptr<sf::RenderTexture> texture;
    mutable bool discReady = false;
};

} // namespace tarsk
