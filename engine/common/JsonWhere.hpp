#pragma once

#include "engine/common/JsonError.hpp"

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace orv {

// Reading steps that put where they were into any error they raise. Errors that are not JsonErrors
// yet (the JSON library's, a reader's own) become JsonErrors with their text as the message.

template <class Read>
decltype(auto) readUnderKey(std::string_view key, Read&& read) {
    try {
        return read();
    } catch (const JsonError& error) {
        throw error.underKey(key);
    } catch (const std::exception& error) {
        throw JsonError(std::string(key), error.what());
    }
}

template <class Read>
decltype(auto) readUnderIndex(std::size_t index, Read&& read) {
    try {
        return read();
    } catch (const JsonError& error) {
        throw error.underIndex(index);
    } catch (const std::exception& error) {
        throw JsonError("[" + std::to_string(index) + "]", error.what());
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
    } catch (const JsonError& error) {
        throw error.inFile(file);
    } catch (const std::exception& error) {
        throw JsonError(file, "", error.what());
    }
}

} // namespace orv
