#include "engine/resources/DefaultResourceLoader.hpp"

#include "engine/resources/RegularFile.hpp"

namespace orv {

std::string DefaultResourceLoader::load(const std::string& path) {
    return readRegularFile(path, FileLimit::forPath(path));
}

} // namespace orv
