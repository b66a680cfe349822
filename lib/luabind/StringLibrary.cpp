#include "luabind/StringLibrary.hpp"

#include "luabind/InstructionLimit.hpp"
#include "luabind/PatternMatcher.hpp"

#include <lua.hpp>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string_view>

namespace lua::detail {

namespace {

// The longest string these functions make, as Lua's own string library has it.
constexpr std::size_t maxResult = INT_MAX;

std::string_view checkString(lua_State* L, int index) {
    std::size_t length = 0;
    const char* text = luaL_checklstring(L, index, &length);
    return {text, length};
}

// A 1-based start position (negative counts from the end) as a 0-based offset, which may lie
// past the end.
std::size_t startOffset(lua_State* L, int index, std::size_t length) {
    const lua_Integer position = luaL_optinteger(L, index, 1);
    if (position > 0)
        return static_cast<std::size_t>(position) - 1;
    if (position == 0 || position < -static_cast<lua_Integer>(length))
        return 0;
    return length - static_cast<std::size_t>(-position);
}

bool hasSpecials(std::string_view pattern) {
    return pattern.find_first_of(std::string_view("^$*+?.([%-", 10)) != std::string_view::npos;
}

bool anchored(std::string_view pattern) {
    return !pattern.empty() && pattern.front() == '^';
}

int pushFail(lua_State* L) {
    luaL_pushfail(L);
    return 1;
}

int findOrMatch(lua_State* L, bool find) {
    const std::string_view subject = checkString(L, 1);
    const std::string_view pattern = checkString(L, 2);
    const std::size_t init = startOffset(L, 3, subject.size());
    if (init > subject.size())
        return pushFail(L);
    checkDeadline(L);
    if (find && (lua_toboolean(L, 4) || !hasSpecials(pattern))) {
        // glibc's memmem takes linear time, whatever the needle.
        const void* found =
            ::memmem(subject.data() + init, subject.size() - init, pattern.data(), pattern.size());
        if (!found)
            return pushFail(L);
        const auto start = static_cast<lua_Integer>(static_cast<const char*>(found) - subject.data());
        lua_pushinteger(L, start + 1);
        lua_pushinteger(L, start + static_cast<lua_Integer>(pattern.size()));
        return 2;
    }
    PatternMatcher matcher(L, subject, pattern);
    const bool anchor = anchored(pattern);
    std::size_t start = init;
    do {
        const std::size_t end = matcher.matchAt(start, anchor ? 1 : 0);
        if (end != PatternMatcher::noMatch) {
            if (!find)
                return matcher.pushCaptures(start, end, true);
            lua_pushinteger(L, static_cast<lua_Integer>(start) + 1);
            lua_pushinteger(L, static_cast<lua_Integer>(end));
            return matcher.pushCaptures(start, end, false) + 2;
        }
    } while (start++ < subject.size() && !anchor);
    return pushFail(L);
}

int find(lua_State* L) {
    return findOrMatch(L, true);
}

int match(lua_State* L) {
    return findOrMatch(L, false);
}

// gmatch's iterator. Upvalues: subject, pattern, next start, end of the last match (-1: none).
int nextMatch(lua_State* L) {
    const std::string_view subject = checkString(L, lua_upvalueindex(1));
    const std::string_view pattern = checkString(L, lua_upvalueindex(2));
    const auto from = static_cast<std::size_t>(lua_tointeger(L, lua_upvalueindex(3)));
    const lua_Integer lastEnd = lua_tointeger(L, lua_upvalueindex(4));
    PatternMatcher matcher(L, subject, pattern);
    for (std::size_t start = from; start <= subject.size(); ++start) {
        const std::size_t end = matcher.matchAt(start, 0);
        // An empty match where the last one ended is no new match.
        if (end == PatternMatcher::noMatch || static_cast<lua_Integer>(end) == lastEnd)
            continue;
        lua_pushinteger(L, static_cast<lua_Integer>(end));
        lua_copy(L, -1, lua_upvalueindex(3));
        lua_replace(L, lua_upvalueindex(4));
        return matcher.pushCaptures(start, end, true);
    }
    lua_pushinteger(L, static_cast<lua_Integer>(subject.size()) + 1);
    lua_replace(L, lua_upvalueindex(3));
    return 0;
}

int gmatch(lua_State* L) {
    const std::string_view subject = checkString(L, 1);
    checkString(L, 2);
    const std::size_t init = std::min(startOffset(L, 3, subject.size()), subject.size() + 1);
    lua_settop(L, 2);
    lua_pushinteger(L, static_cast<lua_Integer>(init));
    lua_pushinteger(L, -1);
    lua_pushcclosure(L, &nextMatch, 4);
    return 1;
}

// Appends the replacement string (at index 3) for the match [start, end).
void addReplacementText(lua_State* L, luaL_Buffer& buffer, PatternMatcher& matcher, std::size_t start,
                        std::size_t end, std::string_view subject) {
    const std::string_view text = checkString(L, 3);
    // A long text that adds nothing (all "%0" of empty matches) must count too.
    matcher.step(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            luaL_addchar(&buffer, text[i]);
            continue;
        }
        const char next = ++i < text.size() ? text[i] : '\0';
        if (next == '%') {
            luaL_addchar(&buffer, '%');
        } else if (next == '0') {
            luaL_addlstring(&buffer, subject.data() + start, end - start);
        } else if (std::isdigit(static_cast<unsigned char>(next))) {
            matcher.pushCapture(next - '1', start, end);
            luaL_tolstring(L, -1, nullptr);
            lua_remove(L, -2);
            luaL_addvalue(&buffer);
        } else {
            luaL_error(L, "invalid use of '%c' in replacement string", '%');
        }
    }
}

// Appends what replaces the match [start, end): the replacement string with its captures, or
// the value that the table or function (at index 3) gives; false or nil keeps the match.
void addReplacement(lua_State* L, luaL_Buffer& buffer, PatternMatcher& matcher, std::size_t start,
                    std::size_t end, std::string_view subject) {
    const int type = lua_type(L, 3);
    if (type == LUA_TSTRING || type == LUA_TNUMBER) {
        addReplacementText(L, buffer, matcher, start, end, subject);
        return;
    }
    if (type == LUA_TFUNCTION) {
        lua_pushvalue(L, 3);
        const int arguments = matcher.pushCaptures(start, end, true);
        lua_call(L, arguments, 1);
    } else {
        matcher.pushCapture(0, start, end);
        lua_gettable(L, 3);
    }
    if (!lua_toboolean(L, -1)) {
        lua_pop(L, 1);
        luaL_addlstring(&buffer, subject.data() + start, end - start);
    } else if (!lua_isstring(L, -1)) {
        luaL_error(L, "invalid replacement value (a %s)", luaL_typename(L, -1));
    } else {
        luaL_addvalue(&buffer);
    }
}

int gsub(lua_State* L) {
    const std::string_view subject = checkString(L, 1);
    const std::string_view pattern = checkString(L, 2);
    const int type = lua_type(L, 3);
    const lua_Integer maxReplacements = luaL_optinteger(L, 4, static_cast<lua_Integer>(subject.size()) + 1);
    luaL_argexpected(
        L, type == LUA_TNUMBER || type == LUA_TSTRING || type == LUA_TFUNCTION || type == LUA_TTABLE, 3,
        "string/function/table");
    const bool anchor = anchored(pattern);
    PatternMatcher matcher(L, subject, pattern);
    luaL_Buffer buffer;
    luaL_buffinit(L, &buffer);
    std::size_t at = 0;
    std::size_t lastEnd = PatternMatcher::noMatch;
    lua_Integer replaced = 0;
    while (replaced < maxReplacements) {
        const std::size_t end = matcher.matchAt(at, anchor ? 1 : 0);
        if (end != PatternMatcher::noMatch && end != lastEnd) {
            ++replaced;
            addReplacement(L, buffer, matcher, at, end, subject);
            at = lastEnd = end;
        } else if (at < subject.size()) {
            luaL_addchar(&buffer, subject[at++]);
        } else {
            break;
        }
        if (anchor)
            break;
    }
    luaL_addlstring(&buffer, subject.data() + at, subject.size() - at);
    luaL_pushresult(&buffer);
    lua_pushinteger(L, replaced);
    return 2;
}

// rep(s, n [, sep]): built by doubling what is already copied, so its time follows the size of
// the result (which the allocation budget bounds), never the count alone.
int rep(lua_State* L) {
    const std::string_view text = checkString(L, 1);
    const lua_Integer count = luaL_checkinteger(L, 2);
    const std::string_view separator = lua_isnoneornil(L, 3) ? std::string_view() : checkString(L, 3);
    const std::size_t unit = text.size() + separator.size();
    if (count <= 0 || unit == 0) {
        lua_pushliteral(L, "");
        return 1;
    }
    const auto times = static_cast<std::size_t>(count);
    if (unit < text.size() || unit > maxResult / times)
        return luaL_error(L, "resulting string too large");
    const std::size_t total = unit * times - separator.size();
    checkDeadline(L);
    luaL_Buffer buffer;
    char* out = luaL_buffinitsize(L, &buffer, total);
    std::memcpy(out, text.data(), text.size());
    if (!separator.empty())
        std::memcpy(out + text.size(), separator.data(), std::min(separator.size(), total - text.size()));
    std::size_t filled = std::min(unit, total);
    while (filled < total) {
        const std::size_t chunk = std::min(filled, total - filled);
        std::memcpy(out + filled, out, chunk);
        filled += chunk;
    }
    luaL_pushresultsize(&buffer, total);
    return 1;
}

} // namespace

int boundStringLibrary(lua_State* L) {
    static constexpr luaL_Reg functions[] = {{"find", &find}, {"match", &match}, {"gmatch", &gmatch},
                                             {"gsub", &gsub}, {"rep", &rep},     {nullptr, nullptr}};
    lua_getglobal(L, LUA_STRLIBNAME);
    luaL_setfuncs(L, functions, 0);
    return 0;
}

} // namespace lua::detail
