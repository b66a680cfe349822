#include "engine/render/Renderable.hpp"

#include "engine/render/NullRenderer.hpp"

#include <utility>

namespace orv {

Renderable::Renderable() : renderer(std::make_unique<NullRenderer>()) {}

Renderable::Renderable(Renderable&& other) : Renderable() {
    std::swap(renderer, other.renderer);
}

Renderable& Renderable::operator=(Renderable&& other) {
    if (this != &other) {
        renderer = std::move(other.renderer);
        other.renderer = std::make_unique<NullRenderer>();
    }
    return *this;
}

Renderable::~Renderable() = default;

void Renderable::setRenderer(std::unique_ptr<Renderer> next) {
    renderer = next ? std::move(next) : std::make_unique<NullRenderer>();
}

} // namespace orv
