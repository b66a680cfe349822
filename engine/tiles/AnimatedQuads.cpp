#include "engine/tiles/AnimatedQuads.hpp"

namespace orv {

void AnimatedQuads::set(std::size_t key, const Variant& variant, std::size_t frame) {
    auto [it, inserted] = positions.try_emplace(key, entries.size());
    if (inserted)
        entries.push_back(Entry{key, &variant, frame});
    else
        entries[it->second] = Entry{key, &variant, frame};
}

void AnimatedQuads::erase(std::size_t key) {
    if (positions.empty())
        return;
    auto it = positions.find(key);
    if (it == positions.end())
        return;
    // Swap with the last entry so that removal stays constant time.
    const std::size_t position = it->second;
    positions.erase(it);
    if (position + 1 != entries.size()) {
        entries[position] = entries.back();
        positions[entries[position].key] = position;
    }
    entries.pop_back();
}

} // namespace orv
