#pragma once

#include "engine/resources/ResourceCache.hpp"

#include <string>

namespace tarsk::ResourceCache {

// The resource's bytes as text.
class StringResourceCache : public orv::ResourceCache<std::string> {
public:
    void convert(const std::string& raw) override { text = raw; }
    std::string& get() override { return text; }

private:
    std::string text;
};

} // namespace tarsk::ResourceCache
