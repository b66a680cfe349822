#include "engine/tiles/TileReader.hpp"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace orv {

std::vector<Tile> readTiles(const nlohmann::json& document) {
    std::vector<Tile> tiles;
    if (document.is_object()) {
        tiles.push_back(readTile(document));
        return tiles;
    }
    if (!document.is_array())
        throw std::runtime_error("origin is neither object nor array");
    for (const nlohmann::json& element : document) {
        if (!element.is_object())
            throw std::runtime_error("origin is array that does not contain tile objects");
    }
    tiles.reserve(document.size());
    for (const nlohmann::json& element : document)
        tiles.push_back(readTile(element));
    return tiles;
}

Tile readTile(const nlohmann::json& object) {
    if (!object.is_object())
        throw std::runtime_error("Tile object is not object");

    std::string id = object.at("tile_id").get<std::string>();
    std::string name = object.contains("tile_name") ? object.at("tile_name").get<std::string>() : id;
    std::vector<std::string> categories;
    if (object.contains("tile_categories"))
        categories = readTileCategories(object.at("tile_categories"));

    std::vector<Variant> variantPool{readVariant(object.at("default"))};
    std::vector<VariantRule> variantRules;
    if (object.contains("variants"))
        readVariantList(object.at("variants"), variantPool, variantRules);

    std::vector<Variant> transitionPool;
    std::vector<VariantRule> transitionRules;
    if (object.contains("transitions"))
        readVariantList(object.at("transitions"), transitionPool, transitionRules);

    const std::int32_t priority = object.contains("default_stacking_priority")
                                      ? object.at("default_stacking_priority").get<std::int32_t>()
                                      : 0;

    return Tile(std::move(id), std::move(name), std::move(categories), std::move(variantPool),
                std::move(variantRules), priority, std::move(transitionPool), std::move(transitionRules));
}

Variant readVariant(const nlohmann::json& value) {
    if (!value.is_array())
        throw std::runtime_error("variant data is not array");
    const nlohmann::json& first = value.at(0);
    if (first.is_number())
        return Variant(readIntRect(value));
    if (!first.is_array())
        throw std::runtime_error("variant data structure is invalid");

    std::vector<AnimationFrame> frames;
    frames.reserve(value.size());
    std::uint64_t total = 0;
    for (const nlohmann::json& element : value) {
        frames.push_back(readAnimationFrame(element));
        total += static_cast<std::uint64_t>(frames.back().duration.asMilliseconds());
    }
    // The clock wraps at 2^32 ms, so a longer cycle could never be shown whole.
    if (total > std::numeric_limits<std::uint32_t>::max())
        throw std::runtime_error("animation of variant is too long");
    return Variant(std::move(frames));
}

AnimationFrame readAnimationFrame(const nlohmann::json& value) {
    if (!value.is_array())
        throw std::runtime_error("AnimationFrame has to be array");
    if (value.size() != 5)
        throw std::runtime_error("array of AnimationFrame needs to be size() == 5");
    const std::int64_t ms = value.at(4).get<std::int64_t>();
    if (ms < 0)
        throw std::runtime_error("AnimationFrame duration is negative");
    if (ms > std::numeric_limits<std::int32_t>::max())
        throw std::runtime_error("AnimationFrame duration is too long");
    return AnimationFrame{readIntRect(value), sf::milliseconds(static_cast<sf::Int32>(ms))};
}

sf::IntRect readIntRect(const nlohmann::json& value) {
    return sf::IntRect(value.at(0).get<int>(), value.at(1).get<int>(), value.at(2).get<int>(),
                       value.at(3).get<int>());
}

std::vector<std::string> readTileCategories(const nlohmann::json& value) {
    if (!value.is_array())
        throw std::runtime_error("categories is not array");
    std::vector<std::string> categories;
    categories.reserve(value.size());
    for (const nlohmann::json& element : value)
        categories.push_back(element.get<std::string>());
    return categories;
}

std::vector<Pattern> readCondition(const nlohmann::json& value) {
    if (!value.is_array())
        throw std::runtime_error("condition data container is not array");
    const nlohmann::json& first = value.at(0);
    if (first.is_string())
        return {readConditionTokens(value)};
    if (!first.is_array())
        throw std::runtime_error("condition data format invalid");
    std::vector<Pattern> patterns;
    patterns.reserve(value.size());
    for (const nlohmann::json& element : value)
        patterns.push_back(readConditionTokens(element));
    return patterns;
}

Pattern readConditionTokens(const nlohmann::json& value) {
    if (!value.is_array())
        throw std::runtime_error("condition token container is not array");
    Pattern pattern;
    for (std::size_t k = 0; k < pattern.size(); ++k)
        pattern[k] = value.at(k).get<std::string>();
    return pattern;
}

void readVariantList(const nlohmann::json& value, std::vector<Variant>& pool,
                     std::vector<VariantRule>& rules) {
    if (!value.is_array())
        throw std::runtime_error("variants container is not array");
    std::vector<Variant> newLooks;
    std::vector<VariantRule> newRules;
    for (const nlohmann::json& entry : value) {
        std::vector<Pattern> patterns = readCondition(entry.at("condition"));
        newLooks.push_back(readVariant(entry.at("result")));
        const std::size_t poolIndex = pool.size() + newLooks.size() - 1;
        for (Pattern& pattern : patterns)
            newRules.push_back(VariantRule{std::move(pattern), poolIndex});
    }
    pool.insert(pool.end(), std::make_move_iterator(newLooks.begin()),
                std::make_move_iterator(newLooks.end()));
    rules.insert(rules.end(), std::make_move_iterator(newRules.begin()),
                 std::make_move_iterator(newRules.end()));
}

} // namespace orv
