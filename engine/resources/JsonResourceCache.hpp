#pragma once

#include "engine/resources/ResourceCache.hpp"

#include <nlohmann/json.hpp>

namespace orv {

// The resource parsed as one JSON document (comments are not allowed, nesting is limited).
class JsonResourceCache : public ResourceCache<nlohmann::json> {
public:
    void convert(const std::string& raw) override;
    nlohmann::json& get() override { return document; }

private:
    nlohmann::json document;
};

} // namespace orv
