#pragma once

#include "luabind/Function.hpp"

#include <string>

namespace lua {

// A chunk compiled but not run: the function, or the compiler's message.
class LoadResult {
public:
    explicit LoadResult(Function chunk);
    static LoadResult failure(std::string message);

    bool valid() const { return ok; }
    explicit operator bool() const { return ok; }
    // Throws lua::error (with the message) when the load failed.
    const Function& function() const;
    // Empty after success.
    const std::string& message() const { return text; }

private:
    LoadResult() = default;

    bool ok = false;
    Function chunk;
    std::string text;
};

} // namespace lua
