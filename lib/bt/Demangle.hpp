#pragma once

#include <string>
#include <typeindex>

namespace bt {

// Readable type name for error messages.
std::string demangle(const std::type_index& type);

} // namespace bt
