#include "luabind/Function.hpp"

namespace lua {

Function::Function(Reference reference) : Reference(std::move(reference)) {
    if (Reference::type() != Type::function)
        throw error("function expected");
}

} // namespace lua
