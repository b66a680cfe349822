#pragma once

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/SerializableComponent.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/transform/TransformationComponent.hpp"

#include <nlohmann/json.hpp>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace serial_test {

using Log = std::vector<std::string>;

// The message of the E that action throws; any other exception fails the test that asked.
template <class E, class F>
std::string messageOf(F&& action) {
    try {
        action();
    } catch (const E& error) {
        return error.what();
    }
    return "<nothing thrown>";
}

// A saved component whose record is whatever it was read from.
class Stats : public orv::SerializableComponent {
public:
    inline static const std::string Name = "stats";
    explicit Stats(nlohmann::json data) : data(std::move(data)) {}
    static std::unique_ptr<Stats> fromJson(const nlohmann::json& data) {
        return std::make_unique<Stats>(data);
    }
    void onPreInit(orv::Entity*) override {}
    void onInit() override {}
    nlohmann::json toJsonData() const override { return data; }
    const std::string& getName() const override { return Name; }
    nlohmann::json data;
};

// A saved component that records its hooks in a shared log under its "id".
class Traced : public orv::SerializableComponent {
public:
    inline static const std::string Name = "traced";
    Traced(Log& log, std::string id) : log(log), id(std::move(id)) {}
    static std::unique_ptr<Traced> fromJson(const nlohmann::json& data, Log& log) {
        return std::make_unique<Traced>(log, data.at("id").get<std::string>());
    }
    void onPreInit(orv::Entity*) override { log.push_back(id + ".pre"); }
    void onInit() override { log.push_back(id + ".init"); }
    nlohmann::json toJsonData() const override { return {{"id", id}}; }
    const std::string& getName() const override { return Name; }
    Log& log;
    std::string id;
};

// The ids of the traced entities of a batch, as one log line.
inline std::string describeBatch(const std::string& prefix, const std::vector<const orv::Entity*>& batch) {
    std::string line = prefix;
    for (const orv::Entity* entity : batch) {
        const auto* traced = entity->findComponent<Traced>();
        line += " " + (traced ? traced->id : std::string("?"));
    }
    return line;
}

// A saved world system that records its hooks and the batches its world announces.
template <int N>
class TracedWorldSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string TypeName = "TracedWorldSystem" + std::to_string(N);
    TracedWorldSystem(Log& log, nlohmann::json data, int priority = 0)
        : SerializableSystem_template(priority), log(log), data(std::move(data)) {}
    static std::unique_ptr<TracedWorldSystem> fromJson(const nlohmann::json& record, Log& log) {
        return std::make_unique<TracedWorldSystem>(log, record.value("data", nlohmann::json()));
    }
    void onPreInit(orv::World* world) override {
        log.push_back(TypeName + ".pre");
        world->getEntitiesAddedSignal().connect([this](const std::vector<const orv::Entity*>& batch) {
            log.push_back(describeBatch(TypeName + ".added", batch));
        });
    }
    void onInit() override { log.push_back(TypeName + ".init"); }
    void onUpdate() override {}
    nlohmann::json toJsonData() const override {
        return data.is_null() ? nlohmann::json() : nlohmann::json{{"data", data}};
    }
    const std::string& getSystemTypeName() const override { return TypeName; }
    Log& log;
    nlohmann::json data;
};

// A world system that is not saved.
class ScratchSystem : public orv::System_base<orv::World> {
public:
    void onPreInit(orv::World*) override {}
    void onInit() override {}
    void onUpdate() override {}
};

// A saved manager-wide system that records its hooks and the batches the manager forwards.
class TracedGlobalSystem : public orv::SerializableSystem_template<orv::System_base<orv::WorldManager>> {
public:
    inline static const std::string TypeName = "TracedGlobalSystem";
    explicit TracedGlobalSystem(Log& log) : log(log) {}
    static std::unique_ptr<TracedGlobalSystem> fromJson(const nlohmann::json&, Log& log) {
        return std::make_unique<TracedGlobalSystem>(log);
    }
    void onPreInit(orv::WorldManager* manager) override {
        log.push_back(TypeName + ".pre");
        manager->getEntitiesAddedSignal().connect(
            [this](orv::World*, const std::vector<const orv::Entity*>& batch) {
                log.push_back(describeBatch(TypeName + ".added", batch));
            });
        manager->getContainersChangedSignal().connect([this] { log.push_back(TypeName + ".containers"); });
    }
    void onInit() override { log.push_back(TypeName + ".init"); }
    void onUpdate() override {}
    const std::string& getSystemTypeName() const override { return TypeName; }
    Log& log;
};

// A serialisation manager knowing the test types, with resources read from disk.
struct Registry {
    Log log;
    orv::ResourceManager resources;
    orv::SerializationManager types{resources, componentTable(log), worldSystemTable(log),
                                    globalSystemTable(log)};

    static orv::ComponentFactories componentTable(Log& log) {
        return {{orv::TransformationComponent::Name,
                 orv::bindTypeIndex<orv::TransformationComponent>(&orv::TransformationComponent::fromJson)},
                {Stats::Name, orv::bindTypeIndex<Stats>(&Stats::fromJson)},
                {Traced::Name, orv::bindTypeIndex<Traced>(&Traced::fromJson, std::ref(log))}};
    }
    static orv::WorldSystemFactories worldSystemTable(Log& log) {
        return {{TracedWorldSystem<1>::TypeName,
                 orv::bindTypeIndex<TracedWorldSystem<1>>(&TracedWorldSystem<1>::fromJson, std::ref(log))},
                {TracedWorldSystem<2>::TypeName,
                 orv::bindTypeIndex<TracedWorldSystem<2>>(&TracedWorldSystem<2>::fromJson, std::ref(log))}};
    }
    static orv::GlobalSystemFactories globalSystemTable(Log& log) {
        return {{TracedGlobalSystem::TypeName,
                 orv::bindTypeIndex<TracedGlobalSystem>(&TracedGlobalSystem::fromJson, std::ref(log))}};
    }
};

} // namespace serial_test
