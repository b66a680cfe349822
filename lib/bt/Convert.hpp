#pragma once

#include "bt/Demangle.hpp"
#include "bt/Exceptions.hpp"
#include "bt/Types.hpp"

#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

namespace bt {

// Names the type a text is read as; its namespace makes argument-dependent lookup find the
// conversions below and those declared next to the types they read.
template <class T>
struct As {};

// The conversions, one plain overload per type: fromText(text, As<T>{}). Conversions are strict
// and locale-free: the whole text, less surrounding blanks, must be the value, so "1.5abc" is an
// error (RuntimeError); numbers must be finite. Another type gets its conversion as an overload
// declared beside the type (or in namespace bt) that every user of the type includes. Reading a
// type that has none does not compile, so no translation unit can quietly read it differently.
std::string fromText(std::string_view text, As<std::string>);
int fromText(std::string_view text, As<int>);
unsigned fromText(std::string_view text, As<unsigned>);
long fromText(std::string_view text, As<long>);
unsigned long fromText(std::string_view text, As<unsigned long>);
long long fromText(std::string_view text, As<long long>);
unsigned long long fromText(std::string_view text, As<unsigned long long>);
float fromText(std::string_view text, As<float>);
double fromText(std::string_view text, As<double>);
// "true"/"false" in any letter case, or "1"/"0".
bool fromText(std::string_view text, As<bool>);
NodeStatus fromText(std::string_view text, As<NodeStatus>);

// Pointers have no text form: they reach ports through the blackboard only (LogicError).
template <class T>
requires std::is_pointer_v<T> T fromText(std::string_view text, As<T>) {
    throw LogicError("no conversion from string to ", demangle(typeid(T)), " (text \"", text, "\")");
}

// Turns a port's text (an XML attribute or a string held by a blackboard) into a value.
template <class T>
T convertFromString(std::string_view text) {
    return fromText(text, As<T>{});
}

// The parts between delimiters, empty ones included: "a;;b" gives "a", "", "b" and "" gives one
// empty part. The views point into `text`.
std::vector<std::string_view> splitString(std::string_view text, char delimiter);

} // namespace bt
