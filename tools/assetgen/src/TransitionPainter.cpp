#include "tools/assetgen/src/TransitionPainter.hpp"

#include "tools/assetgen/src/ColorOps.hpp"
#include "tools/assetgen/src/Rng.hpp"

namespace assetgen {

namespace {

constexpr int kTile = 16;

// The waterline rises and falls over the four water frames.
constexpr float kShallowSwell[] = {0.f, 0.6f, 1.1f, 0.6f};
constexpr float kDeepSwell[] = {0.f, 0.3f, 0.6f, 0.3f};

bool checker(int x, int y) {
    return ((x + y) & 1) == 0;
}

} // namespace

EdgeShape TransitionPainter::shapeFor(EdgeStyle style, int frame) {
    switch (style) {
    case EdgeStyle::Grass:
        return {4.5f, 1.3f, 1.2f};
    case EdgeStyle::Dirt:
        return {4.f, 1.f, 1.2f};
    case EdgeStyle::Stones:
        return {4.5f, 0.8f, 1.f};
    case EdgeStyle::ShallowWater:
        return {4.5f + kShallowSwell[frame % 4], 1.f, 1.4f};
    case EdgeStyle::DeepWater:
        return {5.f + kDeepSwell[frame % 4], 1.2f, 1.4f};
    }
    return {};
}

void TransitionPainter::paint(Canvas& target, const Canvas& source, const EdgeConfig& config, EdgeStyle style,
                              int frame) {
    const EdgeField field(config, shapeFor(style, frame));
    auto covered = [&](int x, int y) {
        return field.covers(x, y);
    };
    auto rim = [&](int x, int y) {
        return covered(x, y) &&
               (!covered(x - 1, y) || !covered(x + 1, y) || !covered(x, y - 1) || !covered(x, y + 1));
    };
    auto touchesCover = [&](int x, int y) {
        return covered(x - 1, y) || covered(x + 1, y) || covered(x, y - 1) || covered(x, y + 1);
    };

    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const bool in = covered(x, y);
            const bool onRim = rim(x, y);
            const bool nextToRim =
                in && !onRim && (rim(x - 1, y) || rim(x + 1, y) || rim(x, y - 1) || rim(x, y + 1));
            const bool outsideRim = !in && touchesCover(x, y);
            const sf::Color own = source.get(x, y);
            switch (style) {
            case EdgeStyle::Grass:
                if (onRim) {
                    target.set(x, y, rgb(0x437f30));
                } else if (in) {
                    target.set(x, y, own);
                } else if (outsideRim && hashUnit(x, y, 201) < 0.35f) {
                    // Blade tips poking past the rim.
                    target.set(x, y, rgb(0x4c8a34));
                }
                break;
            case EdgeStyle::Dirt:
                if (onRim) {
                    target.set(x, y, checker(x, y) ? rgb(0x6e472b) : own);
                } else if (in) {
                    target.set(x, y, own);
                } else if (outsideRim && checker(x, y)) {
                    target.set(x, y, own);
                }
                break;
            case EdgeStyle::Stones:
                if (onRim) {
                    target.set(x, y, rgb(0x4a4e55));
                } else if (in) {
                    target.set(x, y, own);
                } else if (outsideRim && covered(x, y - 1)) {
                    // The stones' lip casts a soft shadow on the ground below.
                    target.set(x, y, withAlpha(sf::Color::Black, 70));
                }
                break;
            case EdgeStyle::ShallowWater:
                if (onRim) {
                    target.set(x, y,
                               hashUnit(x, y, 211 + static_cast<std::uint32_t>(frame)) < 0.8f
                                   ? rgb(0xeaf9ff)
                                   : rgb(0xbfeaf6));
                } else if (nextToRim) {
                    target.set(x, y, checker(x, y) ? rgb(0x8ad8ee) : own);
                } else if (in) {
                    target.set(x, y, own);
                } else if (outsideRim) {
                    // Damp ground just above the waterline.
                    target.set(x, y, withAlpha(rgb(0x1e2a30), 60));
                }
                break;
            case EdgeStyle::DeepWater:
                if (onRim) {
                    if (checker(x, y)) {
                        target.set(x, y, own);
                    }
                } else if (in) {
                    target.set(x, y, own);
                }
                break;
            }
        }
    }
}

} // namespace assetgen
