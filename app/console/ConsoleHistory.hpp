#pragma once

#include <list>
#include <optional>
#include <string>

namespace tarsk {

// The lines entered in the console, most recent first, and where browsing them with Up and Down
// stands. While browsing (index > 0), entry 0 is the line that was being typed when it began.
class ConsoleHistory {
public:
    // Up: the text to show. Starting to browse saves the typed text as entry 0; the index stops
    // at the oldest entry.
    std::string older(const std::string& typed);
    // Down: the text to show, or nothing when already back at the typed line. Arriving back
    // there gives the saved typed line and drops it from the history.
    std::optional<std::string> newer();
    // The user changed the text or left the field: the saved typed line goes, the text stays.
    void endBrowsing();
    // A line was entered (possibly a recalled one).
    void record(const std::string& line);
    void clear();

    int getIndex() const { return index; }
    const std::list<std::string>& getEntries() const { return entries; }

private:
    void dropTypedLine();
    const std::string& entry(int position) const;

    int index = 0;
    std::list<std::string> entries;
};

} // namespace tarsk
