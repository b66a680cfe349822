#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace orv {

// Lookups that fail with the messages the game's data errors are known by,
// independent of how the standard library words its own.
template <class Map>
concept HashedMap = requires { typename Map::hasher; };

template <class Map, class Key>
auto& lookup(Map& map, const Key& key) {
    auto it = map.find(key);
    if (it == map.end()) {
        if constexpr (HashedMap<Map>)
            throw std::out_of_range("invalid unordered_map<K, T> key");
        else
            throw std::out_of_range("invalid map<K, T> key");
    }
    return it->second;
}

template <class T>
auto& lookup(std::vector<T>& vector, std::size_t index) {
    if (index >= vector.size())
        throw std::out_of_range("invalid vector subscript");
    return vector[index];
}

template <class T>
const auto& lookup(const std::vector<T>& vector, std::size_t index) {
    if (index >= vector.size())
        throw std::out_of_range("invalid vector subscript");
    return vector[index];
}

} // namespace orv
