#pragma once

#include "bt/Convert.hpp"
#include "bt/Exceptions.hpp"

#include <any>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace bt {

// Key/value store shared by the nodes of a tree. The first write fixes a key's type; writing
// another type later is a LogicError. A stored string converts when read as another type, so
// text given to a sub-tree reaches typed ports. A sub-tree's blackboard sees its parent's
// entries only through the remappings declared for it.
class Blackboard {
public:
    using Ptr = std::shared_ptr<Blackboard>;

    static Ptr create(Ptr parent = nullptr);

    Blackboard(const Blackboard&) = delete;
    Blackboard& operator=(const Blackboard&) = delete;

    template <class T>
    void set(const std::string& key, const T& value) {
        if constexpr (std::is_convertible_v<const T&, std::string_view> && !std::is_same_v<T, std::string>)
            store(key, std::any(std::string(std::string_view(value))), typeid(std::string));
        else
            store(key, std::any(value), typeid(T));
    }

    // Throws RuntimeError for a missing key or a string that does not convert, LogicError for
    // an entry of another type.
    template <class T>
    T get(const std::string& key) const {
        const Entry& entry = require(key);
        if (entry.type == typeid(T))
            return std::any_cast<const T&>(entry.value);
        if (entry.type == typeid(std::string))
            return convertFromString<T>(std::any_cast<const std::string&>(entry.value));
        throw LogicError("blackboard entry \"", key, "\" holds ", demangle(entry.type), ", not ",
                         demangle(typeid(T)));
    }

    bool contains(const std::string& key) const { return find(key) != nullptr; }
    std::optional<std::type_index> getEntryType(const std::string& key) const;
    // This blackboard's own keys, sorted; remapped ones live in the parent.
    std::vector<std::string> getKeys() const;

    // Accesses to `internal` on this blackboard go to `external` on the parent.
    void addSubtreeRemapping(std::string internal, std::string external);
    const Ptr& getParent() const { return parent; }

private:
    struct Entry {
        std::any value;
        std::type_index type;
    };

    explicit Blackboard(Ptr parent);

    const Entry* find(const std::string& key) const;
    const Entry& require(const std::string& key) const;
    void store(const std::string& key, std::any value, std::type_index type);

    std::unordered_map<std::string, Entry> entries;
    std::unordered_map<std::string, std::string> remappings;
    Ptr parent;
};

} // namespace bt
