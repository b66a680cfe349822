#include "engine/render/Renderer.hpp"

namespace orv {

Renderer::~Renderer() = default;

} // namespace orv
