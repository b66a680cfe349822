// The layer's interruptible string functions, and load, give what Lua's own give, errors included.
#include "LuaTestSupport.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Runs every case through find, match, gmatch, gsub (and rep), then load, and prints all results.
const char* const survey = R"lua(
local cases = {
  {"hello world", "o"}, {"hello world", "l+"}, {"hello world", "l*"}, {"hello world", "l-o"},
  {"hello world", "^h"}, {"hello world", "^w"}, {"hello world", "d$"}, {"a$b", "$b"}, {"x^y", "^x^"},
  {"key = value", "(%w+)%s*=%s*(%w+)"}, {"  trim  ", "^%s*(.-)%s*$"}, {"abc", "()b()"},
  {"THE (quick) fox", "%((%a+)%)"}, {"f(a(b)c)d", "%b()"}, {"[[x]]", "%b[]"}, {"abc", "%bx"},
  {"THE (quick) fox", "%f[%a]%a+"}, {"hello", "%f[%l]"}, {"aaa", "a?a?a?aaa"}, {"abab", "(ab)%1"},
  {"x = 1, y = 22", "(%a)%s*=%s*(%d+)"}, {"a.b-c", "[%.%-]"}, {"a]b", "[]]"}, {"a-b", "[a-]"},
  {"Z9_", "[^%w]"}, {"tab\tx", "%c"}, {"0x1F", "%x+"}, {"AbC", "%u%l%u"}, {"a,b;c", "%p"},
  {"", ""}, {"", "a*"}, {"abc", ""}, {"abc", ".-"}, {"aXb", "%W"}, {"a.b", "%."}, {"zz", "%z"},
  {"abc", "[a-c]+"}, {"abc", "[^a-b]"}, {"one two  three", "%S+"}, {"a\0b", "%z"}, {"a\0b", "\0"},
  {"abc", "(a)(b)(c)"}, {"abc", "((a)(b))"}, {"abc", "a("}, {"abc", "a)"}, {"abc", "%"},
  {"abc", "[a"}, {"abc", "%f"}, {"abc", "%1"}, {"aa", "(a)%2"}, {"aa", "(a%1)"}, {"abc", "(()"},
  {"ab", "%g+"}, {"caaab", "a-b"}, {"x", "[%a-z]"}, {"-", "[a%-z]"}, {"abc", "[%]"},
  {"abc", "^"}, {"hello hello", "^(h)"}, {"word end", "%f[%z]"}, {"x^x", "^x"}, {"((a)", "%b(("},
  {"", ("x*"):rep(200)}, {"yz", ("x-"):rep(300)}, {"xy", ("x*"):rep(250) .. "y"}, {"ab", ("a?"):rep(199)},
  {"xxx", ("x*"):rep(150)}, {"", ("x*"):rep(199) .. "(x*)"}, {"a", ("a+"):rep(201)},
}
local out = {}
local function put(...) local n = select('#', ...) local t = {} for i = 1, n do t[i] = tostring((select(i, ...))) end out[#out + 1] = table.concat(t, ",") end
local function try(f, ...) local r = table.pack(pcall(f, ...)) put(table.unpack(r, 1, r.n)) end
for _, c in ipairs(cases) do
  local s, p = c[1], c[2]
  for _, init in ipairs({1, 2, -2, 0, 20}) do
    try(string.find, s, p, init) try(string.match, s, p, init) try(string.find, s, p, init, true)
  end
  try(function() local r = {} for a, b in string.gmatch(s, p) do r[#r + 1] = tostring(a) .. "|" .. tostring(b) end return table.concat(r, " ") end)
  try(function() local r = {} for a in string.gmatch(s, p, 2) do r[#r + 1] = tostring(a) end return table.concat(r, " ") end)
  try(string.gsub, s, p, "<%0>") try(string.gsub, s, p, "[%1]", 2) try(string.gsub, s, p, "%2")
  try(string.gsub, s, p, {a = "A", hello = false, b = 7}) try(string.gsub, s, p, function(...) return select('#', ...) end)
  try(string.gsub, s, p, "%x") try(string.gsub, s, p, "100%%") try(string.gsub, s, p, "%")
end
try(string.gsub, "abc", "%w", function() return {} end) try(string.gsub, "abc", "%w", true)
for _, r in ipairs({{"ab", 3}, {"ab", 3, ", "}, {"", 4, "-"}, {"x", 0}, {"x", -1, "y"}, {"ab", 1}, {"a", 1, "sep"}}) do
  try(string.rep, table.unpack(r))
end
try(string.rep, "x", 2^40)
-- load, which hands its chunk to the parser in pieces: names, errors and lines across pieces.
local long = "local s = [[" .. ("x"):rep(9000) .. "]] return #s" .. ("\n+ 1"):rep(3000)
local function pieces(...) local t, i = {...}, 0 return function() i = i + 1 return t[i] end end
local function run(...) local f, why = load(...) if not f then return why end return f(7) end
for _, chunk in ipairs({"return 1 + 1", "x =", 5, "return ...", long, long .. " +", "\27Lua"}) do
  try(run, chunk, nil, "t") try(run, chunk, "=name", "t") try(run, pieces(chunk, ""), nil, "t")
end
try(run, pieces("return ", "4", "2")) try(run, pieces("return 1", {})) try(run, function() error("no") end)
try(run, "return x", "env", "t", {x = 3}) try(run, pieces("return x"), "env", "t", {x = 4}) try(load)
return table.concat(out, "\n")
)lua";

std::string surveyOf(lua_State* L) {
    if (luaL_loadstring(L, survey) != LUA_OK || lua_pcall(L, 0, 1, 0) != LUA_OK)
        return std::string("failed: ") + lua_tostring(L, -1);
    std::size_t length = 0;
    const char* text = lua_tolstring(L, -1, &length);
    std::string result(text, length);
    lua_pop(L, 1);
    return result;
}

TEST(LuabindStringLibrary, PatternFunctionsAndRepGiveWhatLuasOwnGive) {
    const std::unique_ptr<lua_State, void (*)(lua_State*)> reference(luaL_newstate(), &lua_close);
    luaL_openlibs(reference.get());
    lua::State state;
    state.open({lua::Library::base, lua::Library::string, lua::Library::table});
    const std::string expected = surveyOf(reference.get());
    const std::string got = surveyOf(state.handle());
    ASSERT_EQ(expected.find("failed:"), std::string::npos) << expected;
    std::size_t line = 0, at = 0;
    // Compared line by line, so a difference names its case.
    while (at < expected.size() || at < got.size()) {
        const std::size_t expectedEnd = expected.find('\n', at), gotEnd = got.find('\n', at);
        const std::string want = expected.substr(at, expectedEnd - at), have = got.substr(at, gotEnd - at);
        ASSERT_EQ(have, want) << "result " << line;
        at = expectedEnd == std::string::npos ? expected.size() : expectedEnd + 1;
        ++line;
    }
}

} // namespace
