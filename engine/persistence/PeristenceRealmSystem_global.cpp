#include "engine/persistence/PeristenceRealmSystem_global.hpp"

namespace orv {

PeristenceRealmSystem_global::PeristenceRealmSystem_global() : SerializableSystem_template(0) {}

std::unique_ptr<PeristenceRealmSystem_global> PeristenceRealmSystem_global::create(const nlohmann::json&) {
    return std::make_unique<PeristenceRealmSystem_global>();
}

nlohmann::json PeristenceRealmSystem_global::toJsonData() const {
    return {{"TEST_YOO", "i am a test"}};
}

} // namespace orv
