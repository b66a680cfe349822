#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace fuzz {

// Ends the process with the text of a fault found by a fuzz target.
[[noreturn]] void fault(const std::string& what);

// Whether an error's text comes from the standard library's or the JSON library's insides
// (std::bad_alloc, vector::_M_range_check, basic_string::substr, type_error.302 ...) rather
// than from our readers, even where a reader wrapped it into an error of its own.
bool isForeignText(std::string_view text);

// Runs one read of fuzzed input. Errors of the given types with our own text are the reader's
// answer to bad input; anything else is a fault.
template <class... Own, class Read>
void expectOwnErrors(Read&& read) {
    try {
        read();
    } catch (const std::exception& error) {
        if (!(dynamic_cast<const Own*>(&error) || ...))
            fault(std::string("unexpected error: ") + error.what());
        if (isForeignText(error.what()))
            fault(std::string("a library's error got through: ") + error.what());
    } catch (...) {
        fault("an exception of no standard type");
    }
}

} // namespace fuzz
