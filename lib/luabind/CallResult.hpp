#pragma once

#include <string>

namespace lua {

// Outcome of a protected call: success, or the error as text.
class CallResult {
public:
    CallResult() = default;
    static CallResult failure(std::string message);

    bool valid() const { return ok; }
    explicit operator bool() const { return ok; }
    // Empty after success.
    const std::string& message() const { return text; }

private:
    bool ok = true;
    std::string text;
};

} // namespace lua
