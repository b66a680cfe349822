// One physics step of 5,000 dynamic bodies: through the engine (step, contact dispatch and
// copying every body into its transformation) and on a bare b2World with the same bodies.
// Both scenes start alike and run the same number of steps, so they see the same contacts.
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"

#include "tools/bench-report/BenchmarkMain.hpp"

#include <benchmark/benchmark.h>
#include <box2d/box2d.h>

#include <memory>
#include <random>
#include <utility>
#include <vector>

namespace {

int Columns = 100;
int Rows = 50;
constexpr float Spacing = 1.2f;
constexpr float Radius = 0.4f;
// sf::Time counts whole microseconds; the bare world takes the same rounded step.
const sf::Time Step = sf::seconds(1.f / 60.f);

struct Start {
    b2Vec2 position;
    b2Vec2 velocity;
};

// A grid of bodies with random velocities, the same every run.
std::vector<Start> starts() {
    std::mt19937 rng(2024);
    std::uniform_real_distribution<float> speed(-2.f, 2.f);
    std::vector<Start> result;
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column)
            result.push_back({{column * Spacing, row * Spacing}, {speed(rng), speed(rng)}});
    }
    return result;
}

b2BodyDef dynamicBody(const Start& start) {
    b2BodyDef def;
    def.type = b2_dynamicBody;
    def.linearVelocity = start.velocity;
    return def;
}

b2FixtureDef bouncy() {
    b2FixtureDef def;
    def.density = 1;
    def.restitution = 1;
    def.friction = 0;
    return def;
}

// Four static walls around the grid keep the crowd (and so the contact count) together.
void addWalls(b2World& world) {
    const b2Vec2 low(-Spacing, -Spacing);
    const b2Vec2 high(Columns * Spacing, Rows * Spacing);
    const b2Vec2 corners[4] = {low, {high.x, low.y}, high, {low.x, high.y}};
    b2BodyDef def;
    b2Body* walls = world.CreateBody(&def);
    for (int i = 0; i < 4; ++i) {
        b2EdgeShape edge;
        edge.SetTwoSided(corners[i], corners[(i + 1) % 4]);
        walls->CreateFixture(&edge, 0);
    }
}

void BareBox2D(benchmark::State& state) {
    b2World world({0, 0});
    addWalls(world);
    b2CircleShape circle;
    circle.m_radius = Radius;
    b2FixtureDef fixture = bouncy();
    fixture.shape = &circle;
    for (const Start& start : starts()) {
        b2BodyDef def = dynamicBody(start);
        def.position = start.position;
        world.CreateBody(&def)->CreateFixture(&fixture);
    }
    for (auto _ : state)
        world.Step(Step.asSeconds(), 8, 3);
    state.counters["contacts"] = world.GetContactCount();
}

void EngineSystem(benchmark::State& state) {
    orv::World world;
    auto* physics = world.registerSystem<orv::PhysicsSystem>();
    world.initSystems();
    addWalls(physics->getB2World());

    std::vector<std::unique_ptr<orv::Entity>> batch;
    for (const Start& start : starts()) {
        auto circle = std::make_unique<b2CircleShape>();
        circle->m_radius = Radius;
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>()->setPositionXY(
            {start.position.x, start.position.y});
        entity->addComponent(orv::PhysicsComponent::make(dynamicBody(start), std::move(circle), bouncy()),
                             typeid(orv::PhysicsComponent));
        entity->init();
        batch.push_back(std::move(entity));
    }
    world.addEntities(std::move(batch));

    for (auto _ : state) {
        physics->setTimeStep(Step);
        world.update();
    }
    state.counters["contacts"] = physics->getB2World().GetContactCount();
}

void registerAll(const orvbench::Scale& scale) {
    Columns = scale.pick(100, 4);
    Rows = scale.pick(50, 2);
    for (auto [name, function] :
         {std::pair{"BareBox2D", &BareBox2D}, std::pair{"EngineSystem", &EngineSystem}})
        benchmark::RegisterBenchmark(name, function)
            ->Iterations(scale.pick(600, 2))
            ->Repetitions(scale.pick(5, 1))
            ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    return orvbench::runBenchmarks(argc, argv, registerAll, {{"EngineSystem", {"BareBox2D"}}});
}
