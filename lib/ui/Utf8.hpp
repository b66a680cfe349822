#pragma once

#include <SFML/System/String.hpp>

#include <string>
#include <string_view>

namespace ui {

// Widgets keep editable text as UTF-32 (one element per caret step) and hand it out as UTF-8.
// Malformed input decodes to U+FFFD instead of failing: typed text must never throw.
std::string toUtf8(std::u32string_view text);
std::u32string fromUtf8(std::string_view text);
sf::String toSfString(std::u32string_view text);

} // namespace ui
