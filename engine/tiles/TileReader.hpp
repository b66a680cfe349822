#pragma once

#include "engine/tiles/AnimationFrame.hpp"
#include "engine/tiles/Pattern.hpp"
#include "engine/tiles/Tile.hpp"
#include "engine/tiles/Variant.hpp"
#include "engine/tiles/VariantRule.hpp"

#include <nlohmann/json_fwd.hpp>

#include <SFML/Graphics/Rect.hpp>

#include <string>
#include <vector>

// Readers of the tiles document format. Malformed data throws std::runtime_error with a fixed
// message, or the JSON library's own error for missing keys, short arrays and wrong types.
namespace orv {

// A document is one tile object or an array of tile objects; tiles come back in document order.
std::vector<Tile> readTiles(const nlohmann::json& document);
Tile readTile(const nlohmann::json& object);

// [left, top, width, height] is a static look; [[left, top, width, height, ms], ...] an animated one.
Variant readVariant(const nlohmann::json& value);
AnimationFrame readAnimationFrame(const nlohmann::json& value);
// Reads the first four numbers; further elements are ignored.
sf::IntRect readIntRect(const nlohmann::json& value);
std::vector<std::string> readTileCategories(const nlohmann::json& value);

// One pattern of nine tokens, or an array of such patterns.
std::vector<Pattern> readCondition(const nlohmann::json& value);
Pattern readConditionTokens(const nlohmann::json& value);

// Entries of {"condition", "result"}: each result is appended to the pool, and each pattern of
// its condition becomes a rule pointing at it. Nothing is appended when an entry is malformed.
void readVariantList(const nlohmann::json& value, std::vector<Variant>& pool,
                     std::vector<VariantRule>& rules);

} // namespace orv
