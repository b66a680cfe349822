#pragma once

#include "engine/render/Renderer.hpp"

#include <memory>

namespace orv {

// Base of everything that is drawn: it owns the thing's renderer, which is never null (a thing
// without one draws through a NullRenderer).
class Renderable {
public:
    Renderable();
    Renderable(const Renderable&) = delete;
    Renderable& operator=(const Renderable&) = delete;
    // The moved-from thing is left with a NullRenderer.
    Renderable(Renderable&& other);
    Renderable& operator=(Renderable&& other);

    // Deletes the previous renderer (not what it drew); null stands for a NullRenderer.
    void setRenderer(std::unique_ptr<Renderer> renderer);
    Renderer& getRenderer() const { return *renderer; }

protected:
    // Not a polymorphic base: nobody deletes a thing through its Renderable.
    ~Renderable();

private:
    std::unique_ptr<Renderer> renderer;
};

} // namespace orv
