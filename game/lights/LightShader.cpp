#include "game/lights/LightShader.hpp"

#include <SFML/Graphics/Shader.hpp>

#include <iostream>
#include <utility>

namespace tarsk {

// Screen-space distance from the disc's centre, in radii, picks the colour: the light's own
// inside the focus, a linear fade of its alpha towards the fill colour beyond it. Float literals
// throughout: GLSL 1.10 has no implicit int-to-float conversion and Mesa rejects mixing them.
const char* const LightShader::VertexSource =
    "void main(){gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;"
    "gl_TexCoord[0] = gl_TextureMatrix[0] * gl_MultiTexCoord0;gl_FrontColor = gl_Color;}";

const char* const LightShader::FragmentSource =
    "uniform vec4 color;uniform float expand;uniform vec2 center;uniform float radius;"
    "uniform float windowHeight;"
    "void main(void){vec2 centerFromSfml = vec2(center.x, windowHeight - center.y);"
    "vec2 p = (gl_FragCoord.xy - centerFromSfml) / radius;float r = sqrt(dot(p, p));"
    "if (r < 1.0){if(r < expand){gl_FragColor = color;}"
    "else{gl_FragColor = mix(color, gl_Color, (r - expand) * ( 1.0 / ( 1.0 - expand ) ) );}}"
    "else{gl_FragColor = gl_Color;}}";

LightShader::LightShader() : LightShader(VertexSource, FragmentSource) {}

LightShader::LightShader(std::string vertexSource, std::string fragmentSource)
    : vertexSource(std::move(vertexSource)), fragmentSource(std::move(fragmentSource)) {}

LightShader::~LightShader() = default;

sf::Shader* LightShader::get() {
    if (state == State::Untried) {
        auto compiled = std::make_unique<sf::Shader>();
        if (sf::Shader::isAvailable() && compiled->loadFromMemory(vertexSource, fragmentSource)) {
            program = std::move(compiled);
            state = State::Ready;
        } else {
            state = State::Failed;
            std::cout << "The light shader could not be compiled; lights are not drawn." << std::endl;
        }
    }
    return program.get();
}

std::shared_ptr<LightShader> LightShader::shared() {
    static std::weak_ptr<LightShader> current;
    std::shared_ptr<LightShader> shader = current.lock();
    if (!shader) {
        shader = std::make_shared<LightShader>();
        current = shader;
    }
    return shader;
}

} // namespace tarsk
