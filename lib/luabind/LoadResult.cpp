#include "luabind/LoadResult.hpp"

#include <utility>

namespace lua {

LoadResult::LoadResult(Function chunk) : ok(true), chunk(std::move(chunk)) {}

LoadResult LoadResult::failure(std::string message) {
    LoadResult result;
    result.text = std::move(message);
    return result;
}

const Function& LoadResult::function() const {
    if (!ok)
        throw error(text);
    return chunk;
}

} // namespace lua
