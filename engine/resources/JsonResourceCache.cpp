#include "engine/resources/JsonResourceCache.hpp"

namespace orv {

void JsonResourceCache::convert(const std::string& raw) {
    document = nlohmann::json::parse(raw, nullptr, true, false);
}

} // namespace orv
