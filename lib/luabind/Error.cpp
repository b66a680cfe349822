#include "luabind/Error.hpp"

namespace lua {

error::error(const std::string& message) : std::runtime_error(message) {}

} // namespace lua
