#pragma once

#include <cstddef>
#include <string_view>

namespace bt {

// No node takes more ports than this; a sub-tree's remappings stay far below it too.
inline constexpr std::size_t MaxAttributesPerElement = 64;

// Throws RuntimeError naming the element and its line when one start tag of the XML text holds
// more than limit attributes. The XML parser checks every new attribute against all earlier ones
// of its element, so its cost grows with the square of their number; this walk is linear and runs
// before it.
void checkAttributeCounts(std::string_view text, std::size_t limit = MaxAttributesPerElement);

} // namespace bt
