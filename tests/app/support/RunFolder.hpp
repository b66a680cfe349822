#pragma once

#include "support/TempFolder.hpp"

#include <string>

namespace apptest {

// A run folder with minimal content (a plain tile sheet, one tile file, a day/night cycle; no items,
// blueprints or behaviour trees) beside the game's own textures, music and font, made the working
// folder, since the root state reads its content relative to it.
class RunFolder {
public:
    enum class Content { Minimal, Shipped };

    // Shipped: the game's own data folder (as laid into the build's run folder) and game file.
    explicit RunFolder(Content content = Content::Minimal);

    testsupport::TempFolder& files() { return folder; }
    void writeGameFile(const std::string& text) { folder.write("test_entities_save.json", text); }

private:
    testsupport::TempFolder folder;
    testsupport::WorkingFolder working;
};

} // namespace apptest
