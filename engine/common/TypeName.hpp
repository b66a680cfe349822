#pragma once

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <typeindex>
#include <typeinfo>

namespace orv {

// Human-readable (demangled) name of a type, as messages show it.
inline std::string demangle(const char* mangled) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(mangled);
}

inline std::string typeName(const std::type_info& info) { return demangle(info.name()); }
inline std::string typeName(std::type_index index) { return demangle(index.name()); }

template <class T>
std::string typeName() {
    return demangle(typeid(T).name());
}

} // namespace orv
