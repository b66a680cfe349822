#pragma once

#include "tools/assetgen/src/Canvas.hpp"

#include <SFML/Graphics/Color.hpp>

#include <map>
#include <string>
#include <vector>

namespace assetgen {

// Hand-placed pixel art: rows of characters, each character a colour of the legend and '.' a
// transparent pixel. Used where shapes alone would not read (faces, hands, a frog's eyes).
class PixelTemplate {
public:
    // Throws std::invalid_argument for ragged rows or characters missing from the legend.
    PixelTemplate(std::vector<std::string> rows, std::map<char, sf::Color> legend);

    int width() const { return static_cast<int>(rows.front().size()); }
    int height() const { return static_cast<int>(rows.size()); }

    // Paints the opaque pixels with their top left corner at (x, y); `mirrored` flips left and right.
    void paint(Canvas& canvas, int x, int y, bool mirrored = false) const;

private:
    std::vector<std::string> rows;
    std::map<char, sf::Color> legend;
};

} // namespace assetgen
