#include "tools/assetgen/src/PixelTemplate.hpp"

#include <stdexcept>

namespace assetgen {

PixelTemplate::PixelTemplate(std::vector<std::string> rowsIn, std::map<char, sf::Color> legendIn)
    : rows(std::move(rowsIn)), legend(std::move(legendIn)) {
    if (rows.empty() || rows.front().empty()) {
        throw std::invalid_argument("pixel template is empty");
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].size() != rows.front().size()) {
            throw std::invalid_argument("pixel template row " + std::to_string(r) + " has a different width");
        }
        for (char c : rows[r]) {
            if (c != '.' && !legend.contains(c)) {
                throw std::invalid_argument(std::string("pixel template uses unknown colour '") + c + "'");
            }
        }
    }
}

void PixelTemplate::paint(Canvas& canvas, int x, int y, bool mirrored) const {
    const int w = width();
    for (int r = 0; r < height(); ++r) {
        for (int c = 0; c < w; ++c) {
            const char key = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (key != '.') {
                canvas.set(x + (mirrored ? w - 1 - c : c), y + r, legend.at(key));
            }
        }
    }
}

} // namespace assetgen
