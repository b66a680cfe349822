#include "tools/assetgen/src/CharacterSprites.hpp"

#include "tools/assetgen/src/ColorOps.hpp"
#include "tools/assetgen/src/PixelTemplate.hpp"
#include "tools/assetgen/src/SpriteKit.hpp"

namespace assetgen {

namespace {

const std::map<char, sf::Color> kNinjaColours = {
    {'K', rgb(0x2c3150)}, {'k', rgb(0x1d2036)}, {'n', rgb(0x454d75)}, {'s', rgb(0xf0c49a)},
    {'S', rgb(0xc98d62)}, {'e', rgb(0x121212)}, {'r', rgb(0xd2352c)}, {'R', rgb(0x8f1f1a)},
    {'g', rgb(0xc3c8d2)}, {'H', rgb(0x2a221c)}, {'h', rgb(0x7a4526)}, {'w', rgb(0x9aa2c0)},
};

// Facing the viewer.
const std::vector<std::string> kNinjaSouth = {
    "................", //
    "................", //
    "................", //
    "................", //
    ".....KKKKKK.....", //
    "....KnnKKKKK....", //
    "....rrrrrrrr....", //
    "....KssssssK....", //
    "....KseSSesK....", //
    "....KKKKKKKK....", //
    "....kKKKKKKkH...", //
    ".....kKKKKkH....", //
    "......kkkkgg....", //
    "...nKKnKKnKKn...", //
    "..KKKKKnKnKKKK..", //
    "..KKKKKKnKKKKK..", //
    "..KkKKKKKKKKkK..", //
    "..KkKKKKKKKKkK..", //
    "..KkKKKKKKKKkK..", //
    "..ssrrrrrRrrss..", //
    "..SSKKKKKRRKSS..", //
    "....KKKKKKKK....", //
    "....KKKKKKKK....", //
    "....KKKkkKKK....", //
    "....KKK..KKK....", //
    "....KKK..KKK....", //
    "....kKK..KKk....", //
    "....wnw..wnw....", //
    "....nwn..nwn....", //
    "....wnw..wnw....", //
    "...kkkk..kkkk...", //
    "................", //
};

// Facing away: the headband's knot and tails, and the sword slung across the back.
const std::vector<std::string> kNinjaNorth = {
    "................", //
    "................", //
    "................", //
    "................", //
    ".....KKKKKK.....", //
    "....KKKKnnKK....", //
    "....rrrrrrrr....", //
    "....KKKKKRrr....", //
    "....KKKKKKRrr...", //
    "....KKKKKKKKr...", //
    "...HkKKKKKKkRr..", //
    "....HkKKKKk..r..", //
    "....ggkkkk......", //
    "...nKhKKKKKKn...", //
    "..KKKKhKKKKKKK..", //
    "..KKKKKhKKKKKK..", //
    "..KkKKKKhKKKkK..", //
    "..KkKKKKKhKKkK..", //
    "..KkKKKKKKhKkK..", //
    "..ssrrrrrrrhss..", //
    "..SSKKKKKKKKhS..", //
    "....KKKKKKKK....", //
    "....KKKKKKKK....", //
    "....KKKkkKKK....", //
    "....KKK..KKK....", //
    "....KKK..KKK....", //
    "....kKK..KKk....", //
    "....wnw..wnw....", //
    "....nwn..nwn....", //
    "....wnw..wnw....", //
    "...kkkk..kkkk...", //
    "................", //
};

// Facing right; the left-facing frame is its mirror image.
const std::vector<std::string> kNinjaEast = {
    "................", //
    "................", //
    "................", //
    "................", //
    "......KKKKK.....", //
    ".....KKKnnKK....", //
    "..rrrrrrrrrr....", //
    ".rRrKKKKKsss....", //
    "rR..KKKKKsesK...", //
    "R...KKKKKKKKK...", //
    "....kKKKKKKKk...", //
    ".....kKKKKKk....", //
    "...H..kkkkk.....", //
    "....gKKKKKn.....", //
    ".....hKKKnnn....", //
    ".....KhKKnnn....", //
    ".....KKhKnnn....", //
    ".....KKKhnnn....", //
    ".....KKKKnnn....", //
    ".....rrrrssR....", //
    ".....KKKKSSK....", //
    ".....KKKKKKK....", //
    ".....KKKKKKKK...", //
    ".....kKKkKKKK...", //
    ".....kKk.KKKK...", //
    "....kKk...KKK...", //
    "....kKk...KKK...", //
    "....nwn...wnw...", //
    "...nwn....nwn...", //
    "...wnw....wnw...", //
    "..kkkk....kkkkk.", //
    "................", //
};

// Three-quarter view towards the bottom right; mirrored for the bottom left.
const std::vector<std::string> kNinjaSouthEast = {
    "................", //
    "................", //
    "................", //
    "................", //
    ".....KKKKKK.....", //
    "....KKnnKKKK....", //
    "...rrrrrrrrr....", //
    "..rRKKsssssK....", //
    "..R.KKsesSeK....", //
    "....KKKKKKKK....", //
    "...HkKKKKKKk....", //
    "....HkKKKKk.....", //
    "....ggkkkk......", //
    "...nKKKnKKnKn...", //
    "..KKKKKKnKnKKK..", //
    "..KKKKKKKnKKKK..", //
    "..KkKKKKKKKKKK..", //
    "..KkKKKKKKKKnK..", //
    "..KkKKKKKKKKnK..", //
    "..ssrrrrrrRrss..", //
    "..SSKKKKKKRRSS..", //
    "....KKKKKKKK....", //
    "....KKKKKKKK....", //
    "....KKKKkKKK....", //
    "....KKK..KKKK...", //
    "....KKK..KKKK...", //
    "....kKK...KKk...", //
    "....wnw...wnw...", //
    "....nwn...nwn...", //
    "....wnw...wnw...", //
    "...kkkk...kkkkk.", //
    "................", //
};

// Three-quarter view towards the top right; mirrored for the top left.
const std::vector<std::string> kNinjaNorthEast = {
    "................", //
    "................", //
    "................", //
    "................", //
    ".....KKKKKK.....", //
    "....KKKnnKKK....", //
    "....rrrrrrrrr...", //
    "...rRKKKKKKKs...", //
    "..rR.KKKKKKKK...", //
    "..R.KKKKKKKKK...", //
    "...HkKKKKKKk....", //
    "....HkKKKKk.....", //
    "....ggkkkk......", //
    "...nKhKKKKKKn...", //
    "..KKKKhKKKKKnK..", //
    "..KKKKKhKKKKnK..", //
    "..KkKKKKhKKKnK..", //
    "..KkKKKKKhKKKK..", //
    "..KkKKKKKKhKKK..", //
    "..ssrrrrrrrhss..", //
    "..SSKKKKKKKKhS..", //
    "....KKKKKKKK....", //
    "....KKKKKKKK....", //
    "....KKKKkKKK....", //
    "....KKK..KKKK...", //
    "....KKK..KKKK...", //
    "....kKK...KKk...", //
    "....wnw...wnw...", //
    "....nwn...nwn...", //
    "....wnw...wnw...", //
    "...kkkk...kkkk..", //
    "................", //
};

const std::map<char, sf::Color> kOldManColours = {
    {'s', rgb(0xe9b98f)}, {'S', rgb(0xbf8860)}, {'e', rgb(0x2a1e18)}, {'W', rgb(0xefeee8)},
    {'w', rgb(0xb9b7ae)}, {'B', rgb(0x5d6b8a)}, {'b', rgb(0x424d66)}, {'L', rgb(0x7886a6)},
    {'y', rgb(0xcbb06b)}, {'T', rgb(0x94683a)}, {'t', rgb(0x5e3f1f)}, {'f', rgb(0x4a3324)},
};

const std::vector<std::string> kOldMan = {
    ".................", //
    "..............tt.", //
    ".......sss....tT.", //
    ".....sssssss...T.", //
    "....WsssssssW..T.", //
    "....WWWsSsWWW..T.", //
    "....WseSsSesW..T.", //
    "....WsssSsssW..T.", //
    "....WWWWWWWWW..T.", //
    ".....WWwWwWW...T.", //
    "....bWWWWWWWb..T.", //
    "...bBWWWWWWWBb.T.", //
    "..bBBWWWWWWWBBsTs", //
    "..BBBLWWwWWLBBsTs", //
    "..BBBLWWWWWLBBBT.", //
    "..bBBLwWWWwLBBbT.", //
    "..bBBLBWWWBLBBbT.", //
    "..sbBLBwWwBLBb.T.", //
    "..s.yyyyWyyyyy.T.", //
    "....BBLBBBBLBB.T.", //
    "....BBLBBBBLBB.T.", //
    "....BBLBBBBLBB.T.", //
    "....BBLBBBBLBB.T.", //
    "...bBBLBBBBLBBbT.", //
    "...bBBLBBBBLBBbT.", //
    "...bBBLBBBBLBBbT.", //
    "...bbBBBBBBBBbbT.", //
    "...bbbbbbbbbbbbT.", //
    "......ff..ff...T.", //
    ".....fff..fff..t.", //
    ".................", //
};

void stamp(sf::Image& sheet, int frame, const std::vector<std::string>& rows, bool mirrored) {
    Canvas c(sheet, frame * 16, 0, 16, 32, false);
    PixelTemplate(rows, kNinjaColours).paint(c, 0, 0, mirrored);
    c.outline(rgb(0x0c0d16));
}

} // namespace

sf::Image CharacterSprites::ninja() {
    auto sheet = SpriteKit::blank(128, 32);
    stamp(sheet, 0, kNinjaSouth, false);
    stamp(sheet, 1, kNinjaNorth, false);
    stamp(sheet, 2, kNinjaEast, false);
    stamp(sheet, 3, kNinjaEast, true);
    stamp(sheet, 4, kNinjaSouthEast, true);
    stamp(sheet, 5, kNinjaSouthEast, false);
    stamp(sheet, 6, kNinjaNorthEast, false);
    stamp(sheet, 7, kNinjaNorthEast, true);
    return sheet;
}

sf::Image CharacterSprites::oldMan() {
    auto image = SpriteKit::blank(17, 31);
    Canvas c(image);
    PixelTemplate(kOldMan, kOldManColours).paint(c, 0, 0);
    c.outline(rgb(0x1a1612));
    return image;
}

} // namespace assetgen
