#pragma once

#include <filesystem>
#include <string_view>

namespace orv {

// Replaces file by text in one step that survives a crash or a power cut: the text goes to a new
// file "<file>.tmp-<pid>-<n>", which is flushed to disk, renamed over file, and then the folder
// is flushed so the rename itself is kept. Nothing that already stands at a temporary name is
// opened, followed or removed. Whoever reads file sees the old or the new text, never a mix.
// Throws std::runtime_error naming file when any step fails; file is then as it was and the
// temporary file is removed.
void replaceFile(const std::filesystem::path& file, std::string_view text);

} // namespace orv
