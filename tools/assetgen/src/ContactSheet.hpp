#pragma once

#include <SFML/Graphics/Image.hpp>

#include <vector>

namespace assetgen {

// Lays images out on a checkerboard, each scaled up by whole pixels, in rows no wider than
// `maxWidth`, so transparency and single pixels can be judged by eye.
class ContactSheet {
public:
    static sf::Image compose(const std::vector<sf::Image>& images, unsigned scale, unsigned maxWidth);
};

} // namespace assetgen
