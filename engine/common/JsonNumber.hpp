#pragma once

#include "engine/common/JsonError.hpp"

#include <nlohmann/json.hpp>

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>

namespace orv {

namespace detail {

template <class T>
std::string jsonRangeText() {
    std::ostringstream text;
    if constexpr (std::floating_point<T>)
        text << "a finite number within +-" << std::numeric_limits<T>::max();
    else
        text << "a whole number within [" << +std::numeric_limits<T>::min() << ", "
             << +std::numeric_limits<T>::max() << "]";
    return text.str();
}

[[noreturn]] inline void throwJsonNumberError(const nlohmann::json& value, std::string_view key,
                                              std::string expected) {
    throw JsonError(std::string(key), "must be " + expected + ", but is " + value.dump());
}

template <std::integral T>
bool fitsInteger(const nlohmann::json& value) {
    if (value.is_number_unsigned())
        return value.get<std::uint64_t>() <= static_cast<std::uint64_t>(std::numeric_limits<T>::max());
    if (value.is_number_integer()) {
        const std::int64_t number = value.get<std::int64_t>();
        if constexpr (std::is_signed_v<T>)
            return number >= std::numeric_limits<T>::min() && number <= std::numeric_limits<T>::max();
        else
            return number >= 0 && static_cast<std::uint64_t>(number) <=
                                      static_cast<std::uint64_t>(std::numeric_limits<T>::max());
    }
    const double number = value.get<double>();
    // 2^digits is one past the largest value and exact as a double, as is the smallest value.
    const double end = std::ldexp(1.0, std::numeric_limits<T>::digits);
    return std::trunc(number) == number && number >= static_cast<double>(std::numeric_limits<T>::min()) &&
           number < end;
}

} // namespace detail

// A JSON number read into T without undefined conversions: an integer type takes only whole numbers
// inside its range, a floating type only finite numbers inside its range; booleans and everything
// else are refused. Errors are JsonErrors at key ("type must be number, but is string" for a value
// that is no number).
template <class T>
requires(std::integral<T> || std::floating_point<T>) && (!std::same_as<T, bool>)T
    jsonNumber(const nlohmann::json& value, std::string_view key) {
    if (!value.is_number())
        throw JsonError(std::string(key), "type must be number, but is " + std::string(value.type_name()));
    if constexpr (std::integral<T>) {
        if (!detail::fitsInteger<T>(value))
            detail::throwJsonNumberError(value, key, detail::jsonRangeText<T>());
        if (value.is_number_float())
            return static_cast<T>(value.get<double>());
        return value.get<T>();
    } else {
        const double number = value.get<double>();
        if (!std::isfinite(number) || std::abs(number) > static_cast<double>(std::numeric_limits<T>::max()))
            detail::throwJsonNumberError(value, key, detail::jsonRangeText<T>());
        return static_cast<T>(number);
    }
}

} // namespace orv
