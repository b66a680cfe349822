// Drawing one frame of the shipped island at 1280x720 through the root's render pass, each layer
// of it on its own, and the same tiles and sprites drawn from prebuilt vertex buffers. Every
// figure waits for the GL to finish, so it counts the drawing and not only its submission.
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/tiles/Tilemap.hpp"
#include "engine/tiles/Tileset.hpp"
#include "game/camera/CameraComponent.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/render/SpriteComponent.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "tools/bench-game/BenchFolder.hpp"
#include "tools/bench-game/GameSession.hpp"
#include "tools/bench-report/BenchmarkMain.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/VertexBuffer.hpp>
#include <SFML/OpenGL.hpp>
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

using Entries = std::vector<tarsk::RenderSystem::RenderableEntry>;

// The shipped game a few frames in, with the pieces of its render pass at hand.
struct Scene {
    orvbench::BenchFolder folder{orvbench::shippedGameFile()};
    orvbench::GameSession session{sf::seconds(1.f / 120.f)};
    sf::RenderWindow& window = session.root().getWindow();
    const orv::Entity* camera = nullptr;
    tarsk::RenderSystem* renderSystem = nullptr;
    tarsk::CameraComponent* view = nullptr;

    Scene() {
        for (int i = 0; i < 5; ++i) {
            session.simulate();
            session.root().renderPass();
        }
        camera = session.root().getActiveCamera().getCamera();
        if (!camera || !camera->getWorld())
            throw std::runtime_error("the game shows no world");
        renderSystem = camera->getWorld()->getSystem<tarsk::RenderSystem>();
        view = camera->getComponent<tarsk::CameraComponent>();
    }

    // The renderables in draw order, split into the ground and everything on it.
    std::pair<Entries, Entries> layers() const {
        renderSystem->sortRenderables();
        std::pair<Entries, Entries> split;
        for (const auto& entry : renderSystem->getRenderables())
            (entry.entity->hasComponent<tarsk::TerrainComponent>() ? split.first : split.second)
                .push_back(entry);
        return split;
    }
};

std::unique_ptr<Scene> scene;

Scene& theScene() {
    if (!scene)
        scene = std::make_unique<Scene>();
    return *scene;
}

// Times one piece of drawing per iteration, up to the GL's completion.
void timed(benchmark::State& state, const std::function<void(Scene&)>& draw) {
    Scene& s = theScene();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        draw(s);
        s.window.setActive(true);
        glFinish();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

void renderPass(Scene& s) {
    s.session.root().renderPass();
}

void terrain(Scene& s) {
    s.window.clear(sf::Color::White);
    s.view->renderRenderables(s.window, s.layers().first);
}

void sprites(Scene& s) {
    s.window.clear(sf::Color::White);
    s.view->renderRenderables(s.window, s.layers().second);
}

void lightMap(Scene& s) {
    const sf::Vector2u size = s.window.getSize();
    s.view->renderLightMap(s.renderSystem->getLights(), s.renderSystem->getAmbientColor(), size);
    sf::Sprite map(s.view->getLightMapTexture());
    s.window.setView(s.window.getDefaultView());
    s.window.draw(map, sf::BlendMultiply);
}

void gui(Scene& s) {
    s.window.resetGLStates();
    s.session.root().getDesktop().draw();
    s.session.root().getGui().draw();
}

// The same tiles and sprites as vertex buffers made once: one for the ground, one per texture.
class Prebuilt {
public:
    explicit Prebuilt(const Scene& s) {
        const auto [ground, objects] = s.layers();
        std::vector<sf::Vertex> tiles;
        for (const auto& entry : ground) {
            const orv::Tilemap& map = entry.entity->getComponent<tarsk::TerrainComponent>()->getTilemap();
            tileTexture = map.getTileset().getTexture();
            for (std::size_t layer = 0; layer < orv::Tilemap::layerCount; ++layer) {
                const auto& vertices = map.getLayer(layer).getVertices();
                tiles.insert(tiles.end(), vertices.begin(), vertices.end());
            }
        }
        add(tiles, tileTexture);
        std::map<const sf::Texture*, std::vector<sf::Vertex>> byTexture;
        for (const auto& entry : objects) {
            const auto* spriteComponent = entry.entity->findComponent<tarsk::SpriteComponent>();
            if (!spriteComponent || !spriteComponent->getSprite().getTexture())
                continue;
            const sf::Sprite& sprite = spriteComponent->getSprite();
            const sf::FloatRect local = sprite.getLocalBounds();
            const sf::IntRect rect = sprite.getTextureRect();
            const sf::Transform& transform = sprite.getTransform();
            const sf::Vector2f corners[4] = {
                {0, 0}, {local.width, 0}, {local.width, local.height}, {0, local.height}};
            const sf::Vector2f uv[4] = {{float(rect.left), float(rect.top)},
                                        {float(rect.left + rect.width), float(rect.top)},
                                        {float(rect.left + rect.width), float(rect.top + rect.height)},
                                        {float(rect.left), float(rect.top + rect.height)}};
            auto& vertices = byTexture[sprite.getTexture()];
            for (int i = 0; i < 4; ++i)
                vertices.emplace_back(transform.transformPoint(corners[i]), sprite.getColor(), uv[i]);
        }
        for (const auto& [texture, vertices] : byTexture)
            add(vertices, texture);
    }

    void draw(Scene& s) const {
        s.window.clear(sf::Color::White);
        s.window.setView(s.view->getView());
        for (const auto& [buffer, texture] : buffers)
            s.window.draw(*buffer, sf::RenderStates(texture));
        s.window.setView(s.window.getDefaultView());
    }

private:
    void add(const std::vector<sf::Vertex>& vertices, const sf::Texture* texture) {
        if (vertices.empty())
            return;
        auto buffer = std::make_unique<sf::VertexBuffer>(sf::Quads, sf::VertexBuffer::Static);
        if (!buffer->create(vertices.size()) || !buffer->update(vertices.data()))
            throw std::runtime_error("no vertex buffers on this display");
        buffers.emplace_back(std::move(buffer), texture);
    }

    const sf::Texture* tileTexture = nullptr;
    std::vector<std::pair<std::unique_ptr<sf::VertexBuffer>, const sf::Texture*>> buffers;
};

std::unique_ptr<Prebuilt> buffers;

void prebuilt(Scene& s) {
    if (!buffers)
        buffers = std::make_unique<Prebuilt>(s);
    buffers->draw(s);
}

void registerAll(const orvbench::Scale& scale) {
    const std::pair<const char*, void (*)(Scene&)> pieces[] = {{"Drawing/renderPass", renderPass},
                                                               {"Drawing/terrain", terrain},
                                                               {"Drawing/sprites", sprites},
                                                               {"Drawing/lightMap", lightMap},
                                                               {"Drawing/gui", gui},
                                                               {"Drawing/prebuiltBuffers", prebuilt}};
    for (const auto& [name, draw] : pieces) {
        benchmark::RegisterBenchmark(name, [draw = draw](benchmark::State& state) { timed(state, draw); })
            ->UseManualTime()
            ->Iterations(scale.pick(300, 1))
            ->Repetitions(scale.pick(3, 1))
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

// Each layer's share of the whole pass, and the whole pass beside the bare tiles and sprites.
int main(int argc, char** argv) {
    const int result = orvbench::runBenchmarks(argc, argv, registerAll,
                                               {{"Drawing/terrain", {"Drawing/renderPass"}},
                                                {"Drawing/sprites", {"Drawing/renderPass"}},
                                                {"Drawing/lightMap", {"Drawing/renderPass"}},
                                                {"Drawing/gui", {"Drawing/renderPass"}},
                                                {"Drawing/renderPass", {"Drawing/prebuiltBuffers"}}});
    // GL objects go while their window is still there.
    buffers.reset();
    scene.reset();
    return result;
}
