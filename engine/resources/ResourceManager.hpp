#pragma once

#include "engine/resources/Resource.hpp"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

namespace orv {

// Every content file by its exact path string; resources are never dropped, so references stay valid.
class ResourceManager {
public:
    using LoaderFactory = std::function<std::unique_ptr<ResourceLoader>()>;

    ResourceManager();
    // Tests read from memory instead of disk through their own loader.
    explicit ResourceManager(LoaderFactory loaderFactory);

    Resource& get(const std::string& path);
    std::size_t size() const { return resources.size(); }

private:
    LoaderFactory loaderFactory;
    std::unordered_map<std::string, Resource> resources;
};

} // namespace orv
