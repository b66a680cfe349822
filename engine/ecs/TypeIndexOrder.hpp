#pragma once

#include <cstring>
#include <typeindex>

namespace orv {

// Orders types by their mangled names, so maps keyed by type iterate the same way in every
// build. std::type_index compares types with internal linkage by address, which moves with
// the link layout; two such types of different translation units may share a name, and the
// address order only breaks that tie.
struct TypeIndexOrder {
    bool operator()(const std::type_index& a, const std::type_index& b) const noexcept {
        const int byName = std::strcmp(a.name(), b.name());
        if (byName != 0)
            return byName < 0;
        return a < b;
    }
};

} // namespace orv
