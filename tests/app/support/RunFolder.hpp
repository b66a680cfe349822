#pragma once

#include "app/support/TempFolder.hpp"

#include <string>

namespace apptest {

// A minimal run folder (tile sheet, one tile file, the widget font) made the working folder,
// since the root state reads its content relative to it.
class RunFolder {
public:
    RunFolder();

    TempFolder& files() { return folder; }
    void writeGameFile(const std::string& text) { folder.write("test_entities_save.json", text); }

private:
    TempFolder folder;
    WorkingFolder working;
};

} // namespace apptest
