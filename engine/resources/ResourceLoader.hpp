#pragma once

#include <string>

namespace orv {

// Reads the raw bytes of a resource.
class ResourceLoader {
public:
    virtual ~ResourceLoader() = default;
    virtual std::string load(const std::string& path) = 0;
};

} // namespace orv
