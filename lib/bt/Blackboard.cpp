#include "bt/Blackboard.hpp"

#include <algorithm>

namespace bt {

Blackboard::Ptr Blackboard::create(Ptr parent) {
    return Ptr(new Blackboard(std::move(parent)));
}

Blackboard::Blackboard(Ptr parent) : parent(std::move(parent)) {}

const Blackboard::Entry* Blackboard::find(const std::string& key) const {
    if (const auto it = entries.find(key); it != entries.end())
        return &it->second;
    if (parent) {
        if (const auto it = remappings.find(key); it != remappings.end())
            return parent->find(it->second);
    }
    return nullptr;
}

const Blackboard::Entry& Blackboard::require(const std::string& key) const {
    const Entry* entry = find(key);
    if (!entry)
        throw RuntimeError("blackboard has no entry \"", key, "\"");
    return *entry;
}

void Blackboard::store(const std::string& key, std::any value, std::type_index type) {
    if (const auto it = entries.find(key); it != entries.end()) {
        if (it->second.type != type)
            throw LogicError("blackboard entry \"", key, "\" holds ", demangle(it->second.type),
                             ", cannot store ", demangle(type));
        it->second.value = std::move(value);
        return;
    }
    if (parent) {
        if (const auto it = remappings.find(key); it != remappings.end()) {
            parent->store(it->second, std::move(value), type);
            return;
        }
    }
    entries.emplace(key, Entry{std::move(value), type});
}

std::optional<std::type_index> Blackboard::getEntryType(const std::string& key) const {
    const Entry* entry = find(key);
    if (!entry)
        return std::nullopt;
    return entry->type;
}

std::vector<std::string> Blackboard::getKeys() const {
    std::vector<std::string> keys;
    keys.reserve(entries.size());
    for (const auto& [key, entry] : entries)
        keys.push_back(key);
    std::sort(keys.begin(), keys.end());
    return keys;
}

void Blackboard::addSubtreeRemapping(std::string internal, std::string external) {
    remappings.insert_or_assign(std::move(internal), std::move(external));
}

} // namespace bt
