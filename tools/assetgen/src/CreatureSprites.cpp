#include "tools/assetgen/src/CreatureSprites.hpp"

#include "tools/assetgen/src/ColorOps.hpp"
#include "tools/assetgen/src/PixelTemplate.hpp"
#include "tools/assetgen/src/SpriteKit.hpp"

namespace assetgen {

namespace {

const std::map<char, sf::Color> kFrogColours = {
    {'G', rgb(0x56ad45)}, {'g', rgb(0x3a8233)}, {'h', rgb(0x86cf62)},
    {'b', rgb(0xd6e89a)}, {'B', rgb(0xb4cf78)}, {'w', rgb(0xf6f6ea)},
    {'k', rgb(0x111611)}, {'m', rgb(0x1f4a1c)}, {'s', rgb(0x2e6b28)},
};

const std::vector<std::string> kSitting = {
    "................", //
    "................", //
    "................", //
    "...ww.....ww....", //
    "..wwkw...wkww...", //
    "..gwwgGGGgwwg...", //
    ".gGhhGGGGGGhhg..", //
    ".gGhGGsGGsGGGg..", //
    "gGGGGGGGGGGGGGg.", //
    "gmmGGGGGGGGGmmg.", //
    "ggGmmmmmmmmmGgg.", //
    "gGgBbbbbbbbBgGg.", //
    "gGGgBbbbbbBgGGg.", //
    "GGgg.gGBBGg.ggGG", //
    "hgh..hgG.Ggh.hgh", //
    "................", //
};

const std::vector<std::string> kCrouched = {
    "................", //
    "................", //
    "................", //
    "................", //
    "................", //
    "...ww.....ww....", //
    "..wwkw...wkww...", //
    ".ggwwgGGGgwwgg..", //
    "gGGhhGGGGGGhhGg.", //
    "gGGhGGsGGsGGGGg.", //
    "gmmGGGGGGGGGmmg.", //
    "GgGmmmmmmmmmGgG.", //
    "GGgBbbbbbbbBgGG.", //
    "gGGgBBbbbBBgGGg.", //
    "hgghhgGGGGghhggh", //
    "................", //
};

const std::vector<std::string> kLeaping = {
    "...ww.....ww....", //
    "..wwkw...wkww...", //
    "..gwwgGGGgwwg...", //
    ".gGhhGGGGGGhhg..", //
    ".gGhGGsGGsGGGg..", //
    ".gGGGGGGGGGGGg..", //
    ".gmmGGGGGGGmmg..", //
    "..gGmmmmmmmGg...", //
    "..gBbbbbbbbBg...", //
    "..gBbbbbbbbBg...", //
    "...gBbbbbbBg....", //
    "..gGgBBBBBgGg...", //
    ".gGg.gG.Gg.gGg..", //
    "gGg..gG.Gg..gGg.", //
    "hg...hg.gh...gh.", //
    "................", //
};

} // namespace

sf::Image CreatureSprites::frog() {
    auto sheet = SpriteKit::blank(16 * kFrogFrames, 16);
    const std::vector<std::string>* frames[kFrogFrames] = {&kSitting, &kCrouched, &kLeaping};
    for (int f = 0; f < kFrogFrames; ++f) {
        Canvas c(sheet, f * 16, 0, 16, 16, false);
        if (f != 2) {
            SpriteKit::groundShadow(c, 7.5f, 14.8f, 6.5f, 1.2f);
        }
        PixelTemplate(*frames[f], kFrogColours).paint(c, 0, 0);
        c.outline(rgb(0x12260f));
    }
    return sheet;
}

} // namespace assetgen
