#pragma once

#include <exception>
#include <locale>
#include <sstream>
#include <string>
#include <utility>

namespace bt {

// Base of every error the library raises. The message can be given in pieces, which are
// streamed together locale-free so numbers read the same everywhere.
class BehaviorTreeException : public std::exception {
public:
    explicit BehaviorTreeException(std::string message) : message(std::move(message)) {}

    template <class... Parts>
    requires(sizeof...(Parts) > 1) explicit BehaviorTreeException(const Parts&... parts)
        : message(join(parts...)) {}

    const char* what() const noexcept override { return message.c_str(); }

private:
    template <class... Parts>
    static std::string join(const Parts&... parts) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        (out << ... << parts);
        return out.str();
    }

    std::string message;
};

// Misuse of the library by the code that uses it: wrong registration, wrong return status,
// a conversion that does not exist.
class LogicError : public BehaviorTreeException {
public:
    using BehaviorTreeException::BehaviorTreeException;
};

// Bad input met while running: bad tree text, unconvertible values, empty trees.
class RuntimeError : public BehaviorTreeException {
public:
    using BehaviorTreeException::BehaviorTreeException;
};

} // namespace bt
