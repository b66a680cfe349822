#pragma once

#include <stdexcept>
#include <string>

namespace lua {

// Every failure the binding layer reports to C++: Lua errors caught by a protected call,
// panics, bad conversions and misuse of the layer.
class error : public std::runtime_error {
public:
    explicit error(const std::string& message);
};

} // namespace lua
