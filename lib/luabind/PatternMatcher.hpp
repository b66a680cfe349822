#pragma once

#include <lua.hpp>

#include <array>
#include <cstddef>
#include <string_view>

namespace lua::detail {

// Lua's string patterns (character classes, sets, the quantifiers * + - ?, anchors, captures,
// back references, %b and %f), matched so that a long search stays interruptible: every step
// it takes is counted, weighed by the characters it scans, and every few thousand it looks at
// the clock of the limit in force (checkDeadline), which raises the limit's error once the time
// is up. Malformed patterns raise Lua errors worded as the string library words them.
class PatternMatcher {
public:
    static constexpr std::size_t noMatch = static_cast<std::size_t>(-1);

    PatternMatcher(lua_State* L, std::string_view subject, std::string_view pattern);

    // Matches the pattern from `patternStart` (1 skips an anchoring '^') at subject position
    // `start`; returns where the match ends, or noMatch. Captures of an earlier try are dropped.
    std::size_t matchAt(std::size_t start, std::size_t patternStart);

    // Pushes capture `index`, or the whole match [start, end) when the pattern has no captures
    // and index is 0. Position captures are integers.
    void pushCapture(int index, std::size_t start, std::size_t end) const;
    // Pushes all captures (the whole match if there are none, unless `withWhole` is false) and
    // returns how many values it pushed.
    int pushCaptures(std::size_t start, std::size_t end, bool withWhole) const;
    int captureCount() const { return level; }

    // Counts `work` steps done for the match outside the matcher (a replacement's text).
    void step(std::size_t work = 1);

private:
    static constexpr int maxCaptures = 32;
    static constexpr int maxDepth = 200;
    static constexpr std::ptrdiff_t unfinished = -1;
    static constexpr std::ptrdiff_t position = -2;

    struct Capture {
        std::size_t start = 0;
        std::ptrdiff_t length = unfinished;
    };

    std::size_t match(std::size_t s, std::size_t p);
    std::size_t matchRepeated(std::size_t s, std::size_t p, std::size_t itemEnd, bool shortest);
    std::size_t openCapture(std::size_t s, std::size_t p, std::ptrdiff_t kind);
    std::size_t closeCapture(std::size_t s, std::size_t p);
    std::size_t matchBalanced(std::size_t s, std::size_t p);
    std::size_t matchBackReference(std::size_t s, char digit);
    std::size_t itemEnd(std::size_t p) const;
    bool matchesItem(std::size_t s, std::size_t p, std::size_t end) const;
    bool inSet(unsigned char c, std::size_t open, std::size_t close) const;

    lua_State* L;
    std::string_view subject;
    std::string_view pattern;
    std::array<Capture, maxCaptures> captures{};
    int level = 0;
    int depth = 0;
    std::size_t steps = 0;
};

} // namespace lua::detail
