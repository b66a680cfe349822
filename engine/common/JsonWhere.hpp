#pragma once

#include "engine/common/JsonError.hpp"
#include "engine/common/MissingJsonValue.hpp"

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace orv {

// Reading steps that put where they were into any error they raise. Errors that are not JsonErrors
// yet (the JSON library's, a reader's own) become JsonErrors with their text as the message; a
// missing member also names its key.

inline JsonError asJsonError(const std::exception& error) {
    if (const auto* located = dynamic_cast<const JsonError*>(&error))
        return *located;
    if (const auto* missing = dynamic_cast<const MissingJsonValue*>(&error))
        return JsonError(missing->getKey(), missing->what());
    return JsonError(error.what());
}

template <class Read>
decltype(auto) readUnderKey(std::string_view key, Read&& read) {
    try {
        return read();
    } catch (const std::exception& error) {
        throw asJsonError(error).underKey(key);
    }
}

template <class Read>
decltype(auto) readUnderIndex(std::size_t index, Read&& read) {
    try {
        return read();
    } catch (const std::exception& error) {
        throw asJsonError(error).underIndex(index);
    }
}

// For the element at index of the array under key.
template <class Read>
decltype(auto) readUnderElement(std::string_view key, std::size_t index, Read&& read) {
    return readUnderKey(key, [&]() -> decltype(auto) { return readUnderIndex(index, read); });
}

// For everything read from one file: the error names the file.
template <class Read>
decltype(auto) readFromFile(const std::string& file, Read&& read) {
    try {
        return read();
    } catch (const std::exception& error) {
        throw asJsonError(error).inFile(file);
    }
}

} // namespace orv
