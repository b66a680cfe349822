#include "game/render/RenderSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/RenderOrder.hpp"

#include <algorithm>
#include <utility>

namespace tarsk {

RenderSystem::RenderSystem() : SerializableSystem_template(0) {}

std::unique_ptr<RenderSystem> RenderSystem::create(const nlohmann::json&) {
    return std::make_unique<RenderSystem>();
}

void RenderSystem::onPreInit(orv::World* world) {
    renderables.follow(*world);
    lights.follow(*world);
}

void RenderSystem::sortRenderables() {
    renderables.reorder([this](std::vector<RenderableEntry>& list) {
        const auto before = [](const RenderableEntry& a, const RenderableEntry& b) {
            return drawsBefore(a.component->getSortPosition(), b.component->getSortPosition());
        };
        // Things move little between frames: most frames the list is in order already.
        if (std::is_sorted(list.begin(), list.end(), before))
            return false;

        // Bottom-up merge sort between the list and a buffer kept from frame to frame.
        const std::size_t n = list.size();
        scratch.resize(n);
        std::vector<RenderableEntry>* from = &list;
        std::vector<RenderableEntry>* to = &scratch;
        for (std::size_t width = 1; width < n; width *= 2) {
            for (std::size_t low = 0; low < n; low += 2 * width) {
                const std::size_t middle = std::min(low + width, n);
                const std::size_t high = std::min(low + 2 * width, n);
                std::merge(from->begin() + low, from->begin() + middle, from->begin() + middle,
                           from->begin() + high, to->begin() + low, before);
            }
            std::swap(from, to);
        }
        if (from != &list)
            list.swap(scratch);
        return true;
    });
}

} // namespace tarsk
