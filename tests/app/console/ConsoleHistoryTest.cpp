#include "app/console/ConsoleHistory.hpp"

#include <gtest/gtest.h>

#include <list>
#include <string>

namespace {

using Entries = std::list<std::string>;

TEST(ConsoleHistory, BrowsesBackAndForthAndRestoresTheTypedLine) {
    tarsk::ConsoleHistory history;
    history.record("A");
    history.record("B");

    EXPECT_EQ(history.older("C"), "B");
    EXPECT_EQ(history.older("B"), "A");
    EXPECT_EQ(history.older("A"), "A");
    EXPECT_EQ(history.getIndex(), 2);
    EXPECT_EQ(history.newer(), "B");
    EXPECT_EQ(history.newer(), "C");
    EXPECT_EQ(history.getIndex(), 0);
    EXPECT_EQ(history.getEntries(), (Entries{"B", "A"}));
    // Already at the typed line: nothing changes.
    EXPECT_EQ(history.newer(), std::nullopt);
    EXPECT_EQ(history.getEntries(), (Entries{"B", "A"}));
}

TEST(ConsoleHistory, EnteringWhileBrowsingDropsTheSavedTypedLine) {
    tarsk::ConsoleHistory history;
    history.record("A");
    history.record("B");
    history.older("typed");
    history.older("B");
    history.record("A edited");
    EXPECT_EQ(history.getIndex(), 0);
    EXPECT_EQ(history.getEntries(), (Entries{"A edited", "B", "A"}));
}

TEST(ConsoleHistory, EndingBrowsingKeepsEntriesButTheTypedLine) {
    tarsk::ConsoleHistory history;
    history.record("A");
    history.endBrowsing();
    EXPECT_EQ(history.getEntries(), (Entries{"A"}));
    history.older("typed");
    history.endBrowsing();
    EXPECT_EQ(history.getIndex(), 0);
    EXPECT_EQ(history.getEntries(), (Entries{"A"}));
}

TEST(ConsoleHistory, UpOnAnEmptyHistoryKeepsTheTypedTextAsAnEntry) {
    tarsk::ConsoleHistory history;
    EXPECT_EQ(history.older("T"), "T");
    EXPECT_EQ(history.getIndex(), 0);
    history.record("T");
    EXPECT_EQ(history.getEntries(), (Entries{"T", "T"}));
    history.clear();
    EXPECT_TRUE(history.getEntries().empty());
}

} // namespace
