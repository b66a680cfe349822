#pragma once

#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"

#include <memory>
#include <string>

namespace orv {

class WorldManager;

// A manager-wide system with a fixed record; it keeps the manager-wide path of saved games
// exercised. The name is the one stored in existing game files.
class PeristenceRealmSystem_global : public SerializableSystem_template<System_base<WorldManager>> {
public:
    inline static const std::string TypeName = "PeristenceRealmSystem";

    PeristenceRealmSystem_global();

    // Its factory: there is nothing to read.
    static std::unique_ptr<PeristenceRealmSystem_global> create(const nlohmann::json& data);

    void onPreInit(WorldManager*) override {}
    void onInit() override {}
    void onUpdate() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getSystemTypeName() const override { return TypeName; }
};

} // namespace orv
