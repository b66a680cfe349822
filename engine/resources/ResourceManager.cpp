#include "engine/resources/ResourceManager.hpp"

#include "engine/resources/DefaultResourceLoader.hpp"

namespace orv {

ResourceManager::ResourceManager()
    : ResourceManager([] { return std::make_unique<DefaultResourceLoader>(); }) {}

ResourceManager::ResourceManager(LoaderFactory loaderFactory) : loaderFactory(std::move(loaderFactory)) {}

Resource& ResourceManager::get(const std::string& path) {
    auto it = resources.find(path);
    if (it == resources.end())
        it = resources.emplace(path, Resource(path, loaderFactory())).first;
    return it->second;
}

} // namespace orv
