#include "app/console/ConsoleHistory.hpp"

#include <algorithm>
#include <iterator>

namespace tarsk {

std::string ConsoleHistory::older(const std::string& typed) {
    if (index == 0)
        entries.push_front(typed);
    index = std::min(index + 1, static_cast<int>(entries.size()) - 1);
    return entry(index);
}

std::optional<std::string> ConsoleHistory::newer() {
    --index;
    if (index < 0) {
        index = 0;
        return std::nullopt;
    }
    const std::string text = entry(index);
    if (index == 0)
        entries.pop_front();
    return text;
}

void ConsoleHistory::endBrowsing() {
    if (index != 0)
        dropTypedLine();
}

void ConsoleHistory::record(const std::string& line) {
    endBrowsing();
    entries.push_front(line);
}

void ConsoleHistory::clear() {
    entries.clear();
    index = 0;
}

void ConsoleHistory::dropTypedLine() {
    index = 0;
    entries.pop_front();
}

const std::string& ConsoleHistory::entry(int position) const {
    return *std::next(entries.begin(), position);
}

} // namespace tarsk
