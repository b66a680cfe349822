#include "luabind/CallResult.hpp"

#include <utility>

namespace lua {

CallResult CallResult::failure(std::string message) {
    CallResult result;
    result.ok = false;
    result.text = std::move(message);
    return result;
}

} // namespace lua
