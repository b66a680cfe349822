#pragma once

#include "engine/ecs/Component.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/System_base.hpp"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace ecs_test {

using Log = std::vector<std::string>;

// A component that records its hooks (and its death) in a shared log and can be told to fail.
class Probe : public orv::Component {
public:
    Probe(Log& log, std::string name) : log(log), name(std::move(name)) {}
    ~Probe() override {
        if (onDestroy)
            onDestroy();
        log.push_back(name + ".dtor");
    }

    void onPreInit(orv::Entity* owner) override {
        log.push_back(name + ".pre");
        entity = owner;
        if (failPreInit)
            throw std::runtime_error(name + " failed");
    }
    void onInit() override { log.push_back(name + ".init"); }

    Log& log;
    std::string name;
    orv::Entity* entity = nullptr;
    bool failPreInit = false;
    std::function<void()> onDestroy;
};

// Distinct component types; same-length names, so their mangled names sort A < B < C.
struct A : Probe {
    using Probe::Probe;
};
struct B : Probe {
    using Probe::Probe;
};
struct C : Probe {
    using Probe::Probe;
};

// An initialised entity with no components.
inline std::unique_ptr<orv::Entity> readyEntity() {
    auto entity = std::make_unique<orv::Entity>();
    entity->init();
    return entity;
}

// A system that records its hooks in a shared log.
template <class Owner>
class SystemProbe : public orv::System_base<Owner> {
public:
    SystemProbe(Log& log, std::string name, int priority = 0)
        : orv::System_base<Owner>(priority), log(log), name(std::move(name)) {}
    ~SystemProbe() override { log.push_back(name + ".dtor"); }

    void onPreInit(Owner* o) override {
        owner = o;
        log.push_back(name + ".pre");
    }
    void onInit() override {
        log.push_back(name + ".init");
        if (failInit)
            throw std::runtime_error(name + " failed");
    }
    void onUpdate() override { log.push_back(name + ".update"); }

    Log& log;
    std::string name;
    Owner* owner = nullptr;
    bool failInit = false;
};

} // namespace ecs_test
