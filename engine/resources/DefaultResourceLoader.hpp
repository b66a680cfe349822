#pragma once

#include "engine/resources/ResourceLoader.hpp"

namespace orv {

// Reads a whole file from disk, within the limit of its kind (orv::readRegularFile).
class DefaultResourceLoader : public ResourceLoader {
public:
    std::string load(const std::string& path) override;
};

} // namespace orv
