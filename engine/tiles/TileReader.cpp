#include "engine/tiles/TileReader.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/common/JsonWhere.hpp"

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
    for (std::size_t i = 0; i < document.size(); ++i)
        tiles.push_back(readUnderIndex(i, [&] { return readTile(document[i]); }));
    return tiles;
}

Tile readTile(const nlohmann::json& object) {
    if (!object.is_object())
        throw std::runtime_error("Tile object is not object");

    std::string id = readUnderKey("tile_id", [&] { return object.at("tile_id").get<std::string>(); });
    std::string name =
        object.contains("tile_name")
            ? readUnderKey("tile_name", [&] { return object.at("tile_name").get<std::string>(); })
            : id;
    std::vector<std::string> categories;
    if (object.contains("tile_categories"))
        categories =
            readUnderKey("tile_categories", [&] { return readTileCategories(object.at("tile_categories")); });

    std::vector<Variant> variantPool{
        readUnderKey("default", [&] { return readVariant(object.at("default")); })};
    std::vector<VariantRule> variantRules;
    if (object.contains("variants"))
        readUnderKey("variants", [&] { readVariantList(object.at("variants"), variantPool, variantRules); });

    std::vector<Variant> transitionPool;
    std::vector<VariantRule> transitionRules;
    if (object.contains("transitions"))
        readUnderKey("transitions",
                     [&] { readVariantList(object.at("transitions"), transitionPool, transitionRules); });

    const std::int32_t priority =
        object.contains("default_stacking_priority")
            ? jsonNumber<std::int32_t>(object.at("default_stacking_priority"), "default_stacking_priority")
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
    const std::int64_t ms = readUnderIndex(4, [&] { return jsonNumber<std::int64_t>(value.at(4), ""); });
    if (ms < 0)
        throw std::runtime_error("AnimationFrame duration is negative");
    if (ms > std::numeric_limits<std::int32_t>::max())
        throw std::runtime_error("AnimationFrame duration is too long");
    return AnimationFrame{readIntRect(value), sf::milliseconds(static_cast<sf::Int32>(ms))};
}

sf::IntRect readIntRect(const nlohmann::json& value) {
    int numbers[4];
    for (std::size_t i = 0; i < 4; ++i)
        numbers[i] = readUnderIndex(i, [&] { return jsonNumber<int>(value.at(i), ""); });
    // Drawing adds the size to the corner, which must not overflow.
    const auto fits = [](std::int64_t sum) {
        return sum >= std::numeric_limits<int>::min() && sum <= std::numeric_limits<int>::max();
    };
    if (!fits(std::int64_t{numbers[0]} + numbers[2]) || !fits(std::int64_t{numbers[1]} + numbers[3]))
        throw std::runtime_error("texture rectangle reaches beyond the integer range");
    return sf::IntRect(numbers[0], numbers[1], numbers[2], numbers[3]);
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
