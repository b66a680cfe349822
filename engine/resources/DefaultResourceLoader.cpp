#include "engine/resources/DefaultResourceLoader.hpp"

#include "engine/resources/ResourceAccessException.hpp"

#include <fstream>
#include <sstream>

namespace orv {

std::string DefaultResourceLoader::load(const std::string& path) {
    std::ifstream file(path, std::ios::in | std::ios::binary);
    if (!file)
        throw ResourceAccessException("DefaultResourceLoader::load: Cannot open file " + path);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

} // namespace orv
