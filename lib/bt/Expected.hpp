#pragma once

#include <exception>
#include <string>
#include <utility>
#include <variant>

namespace bt {

// Thrown by Expected::value() when it holds an error; the error text stays reachable.
class BadExpectedAccess : public std::exception {
public:
    explicit BadExpectedAccess(std::string error) : errorText(std::move(error)) {}
    const char* what() const noexcept override { return "bad_expected_access"; }
    const std::string& error() const { return errorText; }

private:
    std::string errorText;
};

// The error half of an Expected, so `return Unexpected("...")` reads as a failure.
struct Unexpected {
    explicit Unexpected(std::string error) : error(std::move(error)) {}
    std::string error;
};

// A value or an error text. Spelled like std::expected (which C++20 lacks) so node code reads
// the same once the standard one is available.
template <class T>
class Expected {
public:
    Expected(const T& value) : content(std::in_place_index<0>, value) {}
    Expected(T&& value) : content(std::in_place_index<0>, std::move(value)) {}
    Expected(Unexpected error) : content(std::in_place_index<1>, std::move(error.error)) {}

    bool has_value() const { return content.index() == 0; }
    explicit operator bool() const { return has_value(); }

    const T& value() const& {
        check();
        return std::get<0>(content);
    }
    T& value() & {
        check();
        return std::get<0>(content);
    }
    T&& value() && {
        check();
        return std::get<0>(std::move(content));
    }

    template <class U>
    T value_or(U&& fallback) const& {
        return has_value() ? std::get<0>(content) : static_cast<T>(std::forward<U>(fallback));
    }

    const T& operator*() const { return value(); }
    T& operator*() { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    // Empty when a value is held.
    const std::string& error() const {
        static const std::string none;
        return has_value() ? none : std::get<1>(content);
    }

private:
    void check() const {
        if (!has_value())
            throw BadExpectedAccess(std::get<1>(content));
    }

    std::variant<T, std::string> content;
};

template <>
class Expected<void> {
public:
    Expected() = default;
    Expected(Unexpected error) : failed(true), errorText(std::move(error.error)) {}

    bool has_value() const { return !failed; }
    explicit operator bool() const { return has_value(); }
    void value() const {
        if (failed)
            throw BadExpectedAccess(errorText);
    }
    const std::string& error() const { return errorText; }

private:
    bool failed = false;
    std::string errorText;
};

// Outcome of an operation that yields nothing but may fail.
using Result = Expected<void>;

} // namespace bt
