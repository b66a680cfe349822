#pragma once

#include "bt/Demangle.hpp"
#include "bt/Exceptions.hpp"
#include "bt/Types.hpp"

#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

namespace bt {

// Turns a port's text (an XML attribute or a string held by a blackboard) into a value.
// Conversions are strict and locale-free: the whole text, less surrounding blanks, must be the
// value, so "1.5abc" is an error (RuntimeError). Types without a conversion still compile, so
// ports of any type can be declared; converting to them throws LogicError. Further types get
// their conversion by an explicit specialisation declared before first use.
template <class T>
T convertFromString(std::string_view text) {
    throw LogicError("no conversion from string to ", demangle(typeid(T)), " (text \"", text, "\")");
}

template <>
std::string convertFromString<std::string>(std::string_view text);
template <>
int convertFromString<int>(std::string_view text);
template <>
unsigned convertFromString<unsigned>(std::string_view text);
template <>
long convertFromString<long>(std::string_view text);
template <>
unsigned long convertFromString<unsigned long>(std::string_view text);
template <>
long long convertFromString<long long>(std::string_view text);
template <>
unsigned long long convertFromString<unsigned long long>(std::string_view text);
template <>
float convertFromString<float>(std::string_view text);
template <>
double convertFromString<double>(std::string_view text);
// "true"/"false" in any letter case, or "1"/"0".
template <>
bool convertFromString<bool>(std::string_view text);
template <>
NodeStatus convertFromString<NodeStatus>(std::string_view text);

// The parts between delimiters, empty ones included: "a;;b" gives "a", "", "b" and "" gives one
// empty part. The views point into `text`.
std::vector<std::string_view> splitString(std::string_view text, char delimiter);

} // namespace bt
