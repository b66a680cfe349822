#include "engine/resources/Resource.hpp"

namespace orv {

Resource::Resource(std::string path, std::unique_ptr<ResourceLoader> loader)
    : path(std::move(path)), loader(std::move(loader)) {}

void Resource::load() {
    if (loaded)
        return;
    raw = loader->load(path);
    loaded = true;
}

} // namespace orv
