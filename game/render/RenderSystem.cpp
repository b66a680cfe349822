#include "game/render/RenderSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/RenderOrder.hpp"

#include <algorithm>
#include <functional>
#include <utility>

namespace tarsk {

RenderSystem::RenderSystem() : SerializableSystem_template(0) {}

std::unique_ptr<RenderSystem> RenderSystem::create(const nlohmann::json&) {
    return std::make_unique<RenderSystem>();
}

void RenderSystem::onPreInit(orv::World* world) {
    world->getEntitiesAddedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesAdded(batch); });
    world->getEntitiesRemovedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesRemoved(batch); });
}

void RenderSystem::onEntitiesAdded(const std::vector<const orv::Entity*>& batch) {
    for (const orv::Entity* entity : batch) {
        if (auto* render = entity->findComponent<RenderComponent>())
            renderables.push_back({entity, render});
        if (auto* light = entity->findComponent<LightComponent>())
            lights.push_back({entity, light});
    }
}

void RenderSystem::onEntitiesRemoved(const std::vector<const orv::Entity*>& batch) {
    std::vector<const RenderComponent*> goneRenders;
    std::vector<const LightComponent*> goneLights;
    for (const orv::Entity* entity : batch) {
        if (auto* render = entity->findComponent<RenderComponent>())
            goneRenders.push_back(render);
        if (auto* light = entity->findComponent<LightComponent>())
            goneLights.push_back(light);
    }
    std::sort(goneRenders.begin(), goneRenders.end(), std::less<>());
    std::sort(goneLights.begin(), goneLights.end(), std::less<>());
    std::erase_if(renderables, [&](const RenderableEntry& entry) {
        return std::binary_search(goneRenders.begin(), goneRenders.end(), entry.component, std::less<>());
    });
    std::erase_if(lights, [&](const LightEntry& entry) {
        return std::binary_search(goneLights.begin(), goneLights.end(), entry.component, std::less<>());
    });
}

void RenderSystem::sortRenderables() {
    const auto before = [](const RenderableEntry& a, const RenderableEntry& b) {
        return drawsBefore(a.component->getSortPosition(), b.component->getSortPosition());
    };
    // Things move little between frames: most frames the list is in order already.
    if (std::is_sorted(renderables.begin(), renderables.end(), before))
        return;

    // Bottom-up merge sort between the list and a buffer kept from frame to frame.
    const std::size_t n = renderables.size();
    scratch.resize(n);
    std::vector<RenderableEntry>* from = &renderables;
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
    if (from != &renderables)
        renderables.swap(scratch);
}

} // namespace tarsk
