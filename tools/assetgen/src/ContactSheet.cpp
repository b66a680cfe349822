#include "tools/assetgen/src/ContactSheet.hpp"

#include "tools/assetgen/src/ColorOps.hpp"

#include <algorithm>

namespace assetgen {

namespace {

constexpr unsigned kGap = 8;
constexpr unsigned kCheck = 8;

struct Placement {
    unsigned x;
    unsigned y;
};

} // namespace

sf::Image ContactSheet::compose(const std::vector<sf::Image>& images, unsigned scale, unsigned maxWidth) {
    std::vector<Placement> places;
    unsigned x = kGap;
    unsigned y = kGap;
    unsigned rowHeight = 0;
    unsigned width = 0;
    for (const auto& image : images) {
        const unsigned w = image.getSize().x * scale;
        const unsigned h = image.getSize().y * scale;
        if (x > kGap && x + w + kGap > maxWidth) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += w + kGap;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, h);
    }
    sf::Image sheet;
    sheet.create(width, y + rowHeight + kGap, rgb(0x303030));
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto& image = images[i];
        for (unsigned py = 0; py < image.getSize().y * scale; ++py) {
            for (unsigned px = 0; px < image.getSize().x * scale; ++px) {
                const bool light = ((px / kCheck) + (py / kCheck)) % 2 == 0;
                const sf::Color back = light ? rgb(0xc8c8c8) : rgb(0x9a9a9a);
                const sf::Color src = image.getPixel(px / scale, py / scale);
                sheet.setPixel(places[i].x + px, places[i].y + py, over(src, back));
            }
        }
    }
    return sheet;
}

} // namespace assetgen
