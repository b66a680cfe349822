#include "engine/resources/JsonResourceCache.hpp"

#include "engine/common/JsonText.hpp"

namespace orv {

void JsonResourceCache::convert(const std::string& raw) {
    document = parseJsonText(raw);
}

} // namespace orv
