#pragma once

#include "engine/tiles/Pattern.hpp"
#include "engine/tiles/Variant.hpp"
#include "engine/tiles/VariantRule.hpp"

#include <SFML/Graphics/Rect.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace orv {

// How one kind of ground looks: a default look, looks chosen by the surrounding tiles, and
// transition overlays painted onto neighbouring cells of lower stacking priority.
class Tile {
public:
    // Throws std::invalid_argument when the variant pool is empty or a rule points outside
    // its pool.
    Tile(std::string tileId, std::string tileName, std::vector<std::string> categories,
         std::vector<Variant> variantPool, std::vector<VariantRule> variantRules,
         std::int32_t stackingPriority, std::vector<Variant> transitionPool,
         std::vector<VariantRule> transitionRules);
    // A plain tile of one static rectangle.
    Tile(std::string tileId, std::string tileName, std::vector<std::string> categories,
         const sf::IntRect& defaultRect);

    const std::string& getTileId() const { return tileId; }
    const std::string& getTileName() const { return tileName; }
    const std::vector<std::string>& getCategories() const { return categories; }
    std::int32_t getStackingPriority() const { return stackingPriority; }

    const Variant& getDefaultVariant() const { return variantPool.front(); }
    bool hasVariants() const { return !variantRules.empty(); }

    // The look of the first variant rule that matches with this tile at the centre, or the
    // default look.
    const Variant& selectVariant(const Neighbours& neighbours) const;
    // The overlay of the first transition rule that matches with this tile at the centre, or
    // null.
    const Variant* selectTransition(const Neighbours& neighbours) const;

    const std::vector<Variant>& getVariantPool() const { return variantPool; }
    const std::vector<VariantRule>& getVariantRules() const { return variantRules; }
    const std::vector<Variant>& getTransitionPool() const { return transitionPool; }
    const std::vector<VariantRule>& getTransitionRules() const { return transitionRules; }

private:
    const Variant* firstMatch(const std::vector<VariantRule>& rules, const std::vector<Variant>& pool,
                              const Neighbours& neighbours) const;

    std::string tileId;
    std::string tileName;
    std::vector<std::string> categories;
    std::vector<Variant> variantPool;
    std::vector<VariantRule> variantRules;
    std::int32_t stackingPriority = 0;
    std::vector<Variant> transitionPool;
    std::vector<VariantRule> transitionRules;
};

} // namespace orv
