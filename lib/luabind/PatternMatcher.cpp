#include "luabind/PatternMatcher.hpp"

#include "luabind/InstructionLimit.hpp"

#include <cctype>
#include <cstring>

namespace lua::detail {

namespace {

constexpr char escape = '%';
// Steps between two looks at the clock.
constexpr std::size_t stepsPerCheck = 1u << 14;

// %a, %d, ... (and their complements in upper case); any other character stands for itself.
bool inClass(unsigned char c, unsigned char name) {
    bool result = false;
    switch (std::tolower(name)) {
    case 'a':
        result = std::isalpha(c);
        break;
    case 'c':
        result = std::iscntrl(c);
        break;
    case 'd':
        result = std::isdigit(c);
        break;
    case 'g':
        result = std::isgraph(c);
        break;
    case 'l':
        result = std::islower(c);
        break;
    case 'p':
        result = std::ispunct(c);
        break;
    case 's':
        result = std::isspace(c);
        break;
    case 'u':
        result = std::isupper(c);
        break;
    case 'w':
        result = std::isalnum(c);
        break;
    case 'x':
        result = std::isxdigit(c);
        break;
    case 'z': // the zero byte, kept from older Lua versions
        result = c == '\0';
        break;
    default:
        return name == c;
    }
    return std::isupper(name) ? !result : result;
}

// Nesting of the matcher's own calls; bounded so a long pattern cannot exhaust the C stack.
struct DepthGuard {
    int& depth;
    ~DepthGuard() { --depth; }
};

} // namespace

PatternMatcher::PatternMatcher(lua_State* L, std::string_view subject, std::string_view pattern)
    : L(L), subject(subject), pattern(pattern) {}

std::size_t PatternMatcher::matchAt(std::size_t start, std::size_t patternStart) {
    level = 0;
    depth = 0;
    return match(start, patternStart);
}

void PatternMatcher::step(std::size_t work) {
    steps += work;
    if (steps < stepsPerCheck)
        return;
    steps = 0;
    checkDeadline(L);
}

std::size_t PatternMatcher::match(std::size_t s, std::size_t p) {
    if (++depth > maxDepth)
        luaL_error(L, "pattern too complex");
    const DepthGuard guard{depth};
    step();
    while (p < pattern.size()) {
        // Every item counts, also one passed over without taking a character.
        step();
        const char c = pattern[p];
        if (c == '(') {
            if (p + 1 < pattern.size() && pattern[p + 1] == ')')
                return openCapture(s, p + 2, position);
            return openCapture(s, p + 1, unfinished);
        }
        if (c == ')')
            return closeCapture(s, p + 1);
        if (c == '$' && p + 1 == pattern.size())
            return s == subject.size() ? s : noMatch;
        if (c == escape && p + 1 < pattern.size()) {
            const char next = pattern[p + 1];
            if (next == 'b') {
                s = matchBalanced(s, p + 2);
                if (s == noMatch)
                    return noMatch;
                p += 4;
                continue;
            }
            if (next == 'f') {
                p += 2;
                if (p >= pattern.size() || pattern[p] != '[')
                    luaL_error(L, "missing '[' after '%%f' in pattern");
                const std::size_t end = itemEnd(p);
                step(end - p);
                const unsigned char before = s == 0 ? '\0' : static_cast<unsigned char>(subject[s - 1]);
                const unsigned char here = s < subject.size() ? static_cast<unsigned char>(subject[s]) : '\0';
                if (inSet(before, p, end - 1) || !inSet(here, p, end - 1))
                    return noMatch;
                p = end;
                continue;
            }
            if (std::isdigit(static_cast<unsigned char>(next))) {
                s = matchBackReference(s, next);
                if (s == noMatch)
                    return noMatch;
                p += 2;
                continue;
            }
        }
        // A single-character item, maybe with a quantifier.
        const std::size_t end = itemEnd(p);
        // Finding the item's end and testing a set scan it whole.
        step(end - p);
        const bool here = s < subject.size() && matchesItem(s, p, end);
        const char quantifier = end < pattern.size() ? pattern[end] : '\0';
        if (quantifier == '?') {
            if (here) {
                const std::size_t result = match(s + 1, end + 1);
                if (result != noMatch)
                    return result;
            }
            p = end + 1;
            continue;
        }
        if (quantifier == '+')
            return here ? matchRepeated(s + 1, p, end, false) : noMatch;
        // An item that takes nothing here is passed over in place, as Lua's own matcher does,
        // so a run of them costs no nesting.
        if ((quantifier == '*' || quantifier == '-') && !here) {
            p = end + 1;
            continue;
        }
        if (quantifier == '*')
            return matchRepeated(s, p, end, false);
        if (quantifier == '-')
            return matchRepeated(s, p, end, true);
        if (!here)
            return noMatch;
        ++s;
        p = end;
    }
    return s;
}

// The item [p, itemEnd) repeated from s, as often as possible first, or as seldom.
std::size_t PatternMatcher::matchRepeated(std::size_t s, std::size_t p, std::size_t itemEnd, bool shortest) {
    if (shortest) {
        for (;;) {
            const std::size_t result = match(s, itemEnd + 1);
            if (result != noMatch)
                return result;
            if (s >= subject.size() || !matchesItem(s, p, itemEnd))
                return noMatch;
            step(itemEnd - p);
            ++s;
        }
    }
    std::size_t count = 0;
    while (s + count < subject.size() && matchesItem(s + count, p, itemEnd)) {
        ++count;
        step(itemEnd - p);
    }
    for (;;) {
        const std::size_t result = match(s + count, itemEnd + 1);
        if (result != noMatch)
            return result;
        if (count == 0)
            return noMatch;
        --count;
    }
}

std::size_t PatternMatcher::openCapture(std::size_t s, std::size_t p, std::ptrdiff_t kind) {
    if (level >= maxCaptures)
        luaL_error(L, "too many captures");
    captures[level] = {s, kind};
    ++level;
    const std::size_t result = match(s, p);
    if (result == noMatch)
        --level;
    return result;
}

std::size_t PatternMatcher::closeCapture(std::size_t s, std::size_t p) {
    int open = level - 1;
    while (open >= 0 && captures[open].length != unfinished)
        --open;
    if (open < 0)
        luaL_error(L, "invalid pattern capture");
    captures[open].length = static_cast<std::ptrdiff_t>(s - captures[open].start);
    const std::size_t result = match(s, p);
    if (result == noMatch)
        captures[open].length = unfinished;
    return result;
}

// %bxy at s: an x, then up to the y that balances it.
std::size_t PatternMatcher::matchBalanced(std::size_t s, std::size_t p) {
    if (p + 1 >= pattern.size())
        luaL_error(L, "malformed pattern (missing arguments to '%%b')");
    const char open = pattern[p];
    const char close = pattern[p + 1];
    if (s >= subject.size() || subject[s] != open)
        return noMatch;
    int nesting = 1;
    for (std::size_t i = s + 1; i < subject.size(); ++i) {
        step();
        if (subject[i] == close) {
            if (--nesting == 0)
                return i + 1;
        } else if (subject[i] == open) {
            ++nesting;
        }
    }
    return noMatch;
}

std::size_t PatternMatcher::matchBackReference(std::size_t s, char digit) {
    const int index = digit - '1';
    if (index < 0 || index >= level || captures[index].length == unfinished)
        luaL_error(L, "invalid capture index %%%d", index + 1);
    const std::ptrdiff_t length = captures[index].length;
    if (length == position)
        return noMatch;
    const auto size = static_cast<std::size_t>(length);
    step(size);
    if (subject.size() - s < size ||
        subject.compare(s, size, subject.substr(captures[index].start, size)) != 0)
        return noMatch;
    return s + size;
}

// Where the single-character item at p ends: after '.', a character, an escape or a set.
std::size_t PatternMatcher::itemEnd(std::size_t p) const {
    const char c = pattern[p++];
    if (c == escape) {
        if (p >= pattern.size())
            luaL_error(L, "malformed pattern (ends with '%%')");
        return p + 1;
    }
    if (c != '[')
        return p;
    if (p < pattern.size() && pattern[p] == '^')
        ++p;
    // The first character of a set is taken as it is, so "[]]" holds a ']'.
    do {
        if (p >= pattern.size())
            luaL_error(L, "malformed pattern (missing ']')");
        if (pattern[p++] == escape && p < pattern.size())
            ++p;
    } while (p >= pattern.size() || pattern[p] != ']');
    return p + 1;
}

bool PatternMatcher::matchesItem(std::size_t s, std::size_t p, std::size_t end) const {
    const auto c = static_cast<unsigned char>(subject[s]);
    switch (pattern[p]) {
    case '.':
        return true;
    case escape:
        return inClass(c, static_cast<unsigned char>(pattern[p + 1]));
    case '[':
        return inSet(c, p, end - 1);
    default:
        return static_cast<unsigned char>(pattern[p]) == c;
    }
}

// The set from '[' at `open` to its ']' at `close`.
bool PatternMatcher::inSet(unsigned char c, std::size_t open, std::size_t close) const {
    bool wanted = true;
    std::size_t p = open + 1;
    if (pattern[p] == '^') {
        wanted = false;
        ++p;
    }
    while (p < close) {
        const auto first = static_cast<unsigned char>(pattern[p]);
        if (first == escape) {
            if (inClass(c, static_cast<unsigned char>(pattern[p + 1])))
                return wanted;
            p += 2;
        } else if (pattern[p + 1] == '-' && p + 2 < close) {
            if (first <= c && c <= static_cast<unsigned char>(pattern[p + 2]))
                return wanted;
            p += 3;
        } else {
            if (first == c)
                return wanted;
            ++p;
        }
    }
    return !wanted;
}

void PatternMatcher::pushCapture(int index, std::size_t start, std::size_t end) const {
    if (index >= level) {
        if (index != 0)
            luaL_error(L, "invalid capture index %%%d", index + 1);
        lua_pushlstring(L, subject.data() + start, end - start);
        return;
    }
    const Capture& capture = captures[index];
    if (capture.length == unfinished)
        luaL_error(L, "unfinished capture");
    if (capture.length == position)
        lua_pushinteger(L, static_cast<lua_Integer>(capture.start) + 1);
    else
        lua_pushlstring(L, subject.data() + capture.start, static_cast<std::size_t>(capture.length));
}

int PatternMatcher::pushCaptures(std::size_t start, std::size_t end, bool withWhole) const {
    const int count = level == 0 && withWhole ? 1 : level;
    luaL_checkstack(L, count, "too many captures");
    for (int i = 0; i < count; ++i)
        pushCapture(i, start, end);
    return count;
}

} // namespace lua::detail
