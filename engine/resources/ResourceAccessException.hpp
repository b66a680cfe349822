#pragma once

#include <exception>
#include <string>

namespace orv {

// A content file that cannot be read or turned into the view asked for.
class ResourceAccessException : public std::exception {
public:
    explicit ResourceAccessException(std::string message) : message(std::move(message)) {}
    const char* what() const noexcept override { return message.c_str(); }

private:
    std::string message;
};

} // namespace orv
