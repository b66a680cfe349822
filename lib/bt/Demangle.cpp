#include "bt/Demangle.hpp"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace bt {

std::string demangle(const std::type_index& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> readable(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    if (status != 0 || !readable)
        return type.name();
    return readable.get();
}

} // namespace bt
