#include "engine/ecs/SerializableSystem_base.hpp"

namespace orv {

nlohmann::json SerializableSystem_base::toJsonData() const {
    return nullptr;
}

} // namespace orv
