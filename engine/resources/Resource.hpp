#pragma once

#include "engine/resources/ResourceAccessException.hpp"
#include "engine/resources/ResourceCache.hpp"
#include "engine/resources/ResourceLoader.hpp"

#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>

namespace orv {

// One content file: its bytes, read once on first use, and the typed views made from them.
class Resource {
public:
    Resource(std::string path, std::unique_ptr<ResourceLoader> loader);

    // Reads the bytes unless they were read already; a failed read is tried again next time.
    void load();
    bool isLoaded() const { return loaded; }
    const std::string& getPath() const { return path; }
    const std::string& getRaw() const { return raw; }

    template <class T>
    std::shared_ptr<T> getCache() {
        load();
        auto it = views.find(typeid(T));
        if (it == views.end()) {
            addCache<T>();
            it = views.find(typeid(T));
        }
        return std::static_pointer_cast<T>(it->second);
    }

    // A view whose conversion fails is not kept, so the next request fails the same way.
    template <class T>
    void addCache() {
        if (!loaded)
            throw ResourceAccessException("Cannot cache unloaded resource");
        if (views.contains(typeid(T)))
            return;
        auto view = std::make_shared<T>();
        view->convert(raw);
        views.emplace(typeid(T), std::move(view));
    }

private:
    std::string path;
    std::unique_ptr<ResourceLoader> loader;
    std::string raw;
    std::unordered_map<std::type_index, std::shared_ptr<ResourceView>> views;
    bool loaded = false;
};

} // namespace orv
