#pragma once

#include <memory>
#include <string>

namespace sf {
class Shader;
}

namespace tarsk {

// The GLSL program that shapes a light's disc. Compiling needs a GL context, so it happens on
// the first get(), not at construction. A program that fails to compile is reported once and
// never tried again: a driver that rejects it will reject it every frame.
class LightShader {
public:
    enum class State { Untried, Ready, Failed };

    static const char* const VertexSource;
    static const char* const FragmentSource;

    // The game's own program.
    LightShader();
    LightShader(std::string vertexSource, std::string fragmentSource);
    LightShader(const LightShader&) = delete;
    LightShader& operator=(const LightShader&) = delete;
    ~LightShader();

    // The compiled program, or null when it could not be compiled.
    sf::Shader* get();
    State getState() const { return state; }

    // The program every light renderer draws with. One compilation serves all lights; the
    // program lives as long as some renderer still holds it.
    static std::shared_ptr<LightShader> shared();

private:
    std::string vertexSource;
    std::string fragmentSource;
    std::unique_ptr<sf::Shader> program;
    State state = State::Untried;
};

} // namespace tarsk
