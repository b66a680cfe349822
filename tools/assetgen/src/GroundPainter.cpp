#include "tools/assetgen/src/GroundPainter.hpp"

#include "tools/assetgen/src/ColorOps.hpp"
#include "tools/assetgen/src/Rng.hpp"

#include <cmath>
#include <vector>

namespace assetgen {

namespace {

constexpr int kTile = 16;

// Three tones laid out by soft noise with a little per-pixel jitter, the usual base of a ground
// tile: large patches read as texture, the jitter keeps the patch borders from looking smooth.
void tonal(Canvas& c, sf::Color dark, sf::Color base, sf::Color light, std::uint32_t seed,
           float darkBelow = 0.36f, float lightAbove = 0.64f) {
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const float n = periodicValueNoise(x / 4.f, y / 4.f, 4, seed) * 0.7f +
                            periodicValueNoise(x / 2.f, y / 2.f, 8, seed + 1) * 0.3f;
            const float v = n + (hashUnit(x, y, seed + 2) - 0.5f) * 0.22f;
            c.set(x, y, v < darkBelow ? dark : v > lightAbove ? light : base);
        }
    }
}

void speckle(Canvas& c, Rng& rng, int count, sf::Color colour) {
    for (int i = 0; i < count; ++i) {
        c.set(rng.range(0, kTile - 1), rng.range(0, kTile - 1), colour);
    }
}

void grassBlades(Canvas& c, Rng& rng, int count, sf::Color stem, sf::Color tip) {
    for (int i = 0; i < count; ++i) {
        const int x = rng.range(0, kTile - 1);
        const int y = rng.range(0, kTile - 1);
        switch (rng.range(0, 2)) {
        case 0: // single blade
            c.set(x, y, tip);
            c.set(x, y + 1, stem);
            break;
        case 1: // a small V-shaped tuft
            c.set(x - 1, y, tip);
            c.set(x + 1, y, tip);
            c.set(x, y + 1, stem);
            break;
        default: // tall blade leaning over
            c.set(x, y, tip);
            c.set(x, y + 1, stem);
            c.set(x - 1, y + 2, stem);
            break;
        }
    }
}

// Shimmering ripple arcs: each ripple brightens and fades on its own phase over the four frames.
void ripples(Canvas& c, int frame, std::uint64_t seed, int count, sf::Color faint, sf::Color bright) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const int x = rng.range(0, kTile - 1);
        const int y = rng.range(0, kTile - 1);
        const int len = rng.range(3, 4);
        const int phase = rng.range(0, 3);
        const int stage = (frame + phase) % 4;
        if (stage == 0) {
            continue;
        }
        const sf::Color middle = stage == 2 ? bright : faint;
        for (int k = 1; k < len - 1; ++k) {
            c.set(x + k, y, middle);
        }
        c.set(x, y + 1, faint);
        c.set(x + len - 1, y + 1, faint);
    }
}

struct StoneCell {
    int stone = -1;
    bool gap = false;
};

// Rounded stones from a Voronoi split of the wrapping tile: pixels near a border between two
// stones are the gaps between them.
std::vector<StoneCell> stoneLayout(std::uint64_t seed) {
    Rng rng(seed);
    std::vector<sf::Vector2f> centres;
    for (int tries = 0; tries < 400 && centres.size() < 4; ++tries) {
        const sf::Vector2f p(rng.unit() * kTile, rng.unit() * kTile);
        bool farEnough = true;
        for (const auto& q : centres) {
            const float dx = std::min(std::abs(p.x - q.x), kTile - std::abs(p.x - q.x));
            const float dy = std::min(std::abs(p.y - q.y), kTile - std::abs(p.y - q.y));
            farEnough = farEnough && std::hypot(dx, dy) > 7.f;
        }
        if (farEnough) {
            centres.push_back(p);
        }
    }
    std::vector<StoneCell> cells(kTile * kTile);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            float d1 = 1e9f;
            float d2 = 1e9f;
            int best = 0;
            for (std::size_t i = 0; i < centres.size(); ++i) {
                const float dx =
                    std::min(std::abs(x + 0.5f - centres[i].x), kTile - std::abs(x + 0.5f - centres[i].x));
                const float dy =
                    std::min(std::abs(y + 0.5f - centres[i].y), kTile - std::abs(y + 0.5f - centres[i].y));
                // Slightly squashed distances give stones wider than tall, as if seen from above.
                const float d = std::hypot(dx * 0.9f, dy * 1.1f);
                if (d < d1) {
                    d2 = d1;
                    d1 = d;
                    best = static_cast<int>(i);
                } else if (d < d2) {
                    d2 = d;
                }
            }
            cells[static_cast<std::size_t>(y * kTile + x)] = {best, d2 - d1 < 1.1f};
        }
    }
    return cells;
}

void paintStones(Canvas& c, std::uint64_t seed) {
    const auto cells = stoneLayout(seed);
    auto at = [&](int x, int y) -> const StoneCell& {
        x = ((x % kTile) + kTile) % kTile;
        y = ((y % kTile) + kTile) % kTile;
        return cells[static_cast<std::size_t>(y * kTile + x)];
    };
    const sf::Color tones[] = {rgb(0x8e939a), rgb(0x969ba2), rgb(0x898e95)};
    const sf::Color gap = rgb(0x5a5e65);
    const sf::Color highlight = rgb(0xaab0b6);
    const sf::Color shadow = rgb(0x747980);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const auto& cell = at(x, y);
            if (cell.gap) {
                c.set(x, y, gap);
                continue;
            }
            auto edgeAt = [&](int dx, int dy) {
                const auto& n = at(x + dx, y + dy);
                return n.gap || n.stone != cell.stone;
            };
            sf::Color colour = tones[cell.stone % 3];
            if (edgeAt(1, 1) || edgeAt(0, 1)) {
                colour = shadow;
            } else if (edgeAt(-1, -1) || edgeAt(0, -1)) {
                colour = highlight;
            } else if (hashUnit(x, y, static_cast<std::uint32_t>(seed)) < 0.08f) {
                colour = mix(colour, shadow, 0.5f);
            }
            c.set(x, y, colour);
        }
    }
}

} // namespace

void GroundPainter::grass(Canvas& c) {
    tonal(c, rgb(0x4c8a34), rgb(0x5a9c3c), rgb(0x6aae45), 11);
    Rng rng(12);
    grassBlades(c, rng, 16, rgb(0x3b6e2a), rgb(0x84c257));
}

void GroundPainter::sandyGrass(Canvas& c) {
    grass(c);
    Rng rng(21);
    for (int i = 0; i < 9; ++i) {
        const int x = rng.range(0, kTile - 1);
        const int y = rng.range(0, kTile - 1);
        c.set(x, y, rgb(0xd8c084));
        if (rng.chance(0.5f)) {
            c.set(x + 1, y, rgb(0xc9b076));
        }
    }
}

void GroundPainter::reedGrass(Canvas& c) {
    grass(c);
    Rng rng(31);
    for (int i = 0; i < 4; ++i) {
        const int x = rng.range(0, kTile - 1);
        const int y = rng.range(5, kTile - 1);
        const int h = rng.range(3, 5);
        for (int k = 0; k < h; ++k) {
            c.set(x, y - k, rgb(0x4f7f2c));
        }
        // Brown seed head on top of the stalk.
        c.set(x, y - h, rgb(0x7a4e2a));
        c.set(x, y - h - 1, rgb(0x8e5c31));
    }
}

void GroundPainter::dirt(Canvas& c) {
    tonal(c, rgb(0x734b2e), rgb(0x8a5d3b), rgb(0x9e6e47), 41);
    Rng rng(42);
    for (int i = 0; i < 7; ++i) {
        const int x = rng.range(0, kTile - 1);
        const int y = rng.range(0, kTile - 1);
        // Clods: a lit top and a shadow underneath.
        c.set(x, y, rgb(0xa97a52));
        c.set(x, y + 1, rgb(0x5f3d25));
        c.set(x + 1, y + 1, rgb(0x5f3d25));
    }
    speckle(c, rng, 6, rgb(0x5f3d25));
}

void GroundPainter::pebbleDirt(Canvas& c) {
    dirt(c);
    Rng rng(51);
    for (int i = 0; i < 6; ++i) {
        const int x = rng.range(0, kTile - 1);
        const int y = rng.range(0, kTile - 1);
        c.set(x, y, rgb(0xa59c90));
        c.set(x + 1, y, rgb(0x8b8377));
        c.set(x, y + 1, rgb(0x5c4a3a));
        c.set(x + 1, y + 1, rgb(0x5c4a3a));
    }
}

void GroundPainter::sand(Canvas& c) {
    tonal(c, rgb(0xd6ba7b), rgb(0xe2c98b), rgb(0xeed9a4), 61);
    Rng rng(62);
    // Wind ripples: a short shadow line with a lit line above.
    for (int i = 0; i < 3; ++i) {
        const int x = rng.range(0, kTile - 1);
        const int y = rng.range(0, kTile - 1);
        for (int k = 0; k < 4; ++k) {
            c.set(x + k, y, rgb(0xcfb273));
        }
        c.set(x + 1, y - 1, rgb(0xf3e2b4));
        c.set(x + 2, y - 1, rgb(0xf3e2b4));
    }
    speckle(c, rng, 9, rgb(0xbfa266));
    speckle(c, rng, 3, rgb(0xf4e6bc));
}

void GroundPainter::wetSand(Canvas& c) {
    tonal(c, rgb(0xcdb074), rgb(0xd8bd81), rgb(0xe2c98d), 61);
    Rng rng(72);
    speckle(c, rng, 8, rgb(0xb4975d));
    speckle(c, rng, 3, rgb(0xf2f6f0));
}

void GroundPainter::shallowWater(Canvas& c, int frame) {
    tonal(c, rgb(0x40a6ca), rgb(0x47b0d3), rgb(0x52bbdc), 81, 0.3f, 0.7f);
    ripples(c, frame, 82, 3, rgb(0x62c2e2), rgb(0x8ad8ef));
}

void GroundPainter::deepWater(Canvas& c, int frame) {
    tonal(c, rgb(0x285796), rgb(0x2c5e9e), rgb(0x3166a8), 91, 0.3f, 0.7f);
    ripples(c, frame, 92, 3, rgb(0x3d74b6), rgb(0x5b90cf));
}

void GroundPainter::openSea(Canvas& c, int frame) {
    // Darker than the water near the shore, with one small crest breaking now and then.
    tonal(c, rgb(0x234f8c), rgb(0x275694), rgb(0x2c5d9d), 101, 0.3f, 0.7f);
    ripples(c, frame, 102, 3, rgb(0x37699f), rgb(0x5287c6));
    const int stage = frame % 4;
    if (stage == 1) {
        c.set(9, 6, rgb(0x8db8e6));
    } else if (stage == 2) {
        c.set(8, 6, rgb(0xc9def4));
        c.set(9, 6, rgb(0xe6f0fb));
        c.set(7, 7, rgb(0x5287c6));
        c.set(10, 7, rgb(0x5287c6));
    }
}

void GroundPainter::stones(Canvas& c) {
    paintStones(c, 111);
}

void GroundPainter::mossyStones(Canvas& c) {
    paintStones(c, 111);
    // Moss settles in the gaps first and creeps a pixel onto the stones' shaded sides.
    const sf::Color gap = rgb(0x5a5e65);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const float n = periodicValueNoise(x / 4.f, y / 4.f, 4, 121);
            if (n < 0.45f) {
                continue;
            }
            const bool inGap = c.get(x, y) == gap;
            const bool besideGap = c.get(x + 1, y) == gap || c.get(x, y + 1) == gap;
            if (inGap) {
                c.set(x, y, hashUnit(x, y, 122) < 0.5f ? rgb(0x4f7a35) : rgb(0x5d8a3c));
            } else if (besideGap && n > 0.6f && hashUnit(x, y, 123) < 0.5f) {
                c.set(x, y, rgb(0x6b9a45));
            }
        }
    }
}

void GroundPainter::planks(Canvas& c) {
    const sf::Color boards[] = {rgb(0xa5703f), rgb(0x9a673a), rgb(0xab7746), rgb(0x9f6c3c)};
    const int joints[] = {5, 12, 2, 9};
    for (int y = 0; y < kTile; ++y) {
        const int board = y / 4;
        for (int x = 0; x < kTile; ++x) {
            sf::Color colour = boards[board];
            // Grain: noise stretched along the board.
            const float grain = periodicValueNoise(x / 8.f, y * 1.f, 16, 131);
            if (grain < 0.3f) {
                colour = mix(colour, rgb(0x6e4626), 0.35f);
            } else if (grain > 0.75f) {
                colour = mix(colour, rgb(0xc89460), 0.35f);
            }
            if (y % 4 == 3) {
                colour = rgb(0x5b3920);
            } else if (y % 4 == 0) {
                colour = mix(colour, rgb(0xd09c68), 0.3f);
            }
            if (x == joints[board] && y % 4 != 3) {
                colour = rgb(0x5b3920);
            }
            c.set(x, y, colour);
        }
        if (y % 4 == 1) {
            c.set(joints[board] - 1, y, rgb(0x3b3633));
            c.set(joints[board] + 1, y, rgb(0x3b3633));
        }
    }
}

} // namespace assetgen
