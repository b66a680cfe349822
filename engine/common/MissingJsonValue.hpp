#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace orv {

// A required member that is absent: the text stays the data format's own, and the key it lacks
// goes with it, so that the reader of a file can say where (JsonError's "spawner.spawnCount: ").
class MissingJsonValue : public std::logic_error {
public:
    explicit MissingJsonValue(std::string_view key)
        : std::logic_error("json does not contain required value"), key(key) {}

    const std::string& getKey() const { return key; }

private:
    std::string key;
};

} // namespace orv
