#include "engine/tiles/Tile.hpp"

#include <stdexcept>

namespace orv {

namespace {

void checkRules(const std::vector<VariantRule>& rules, const std::vector<Variant>& pool) {
    for (const VariantRule& rule : rules) {
        if (rule.poolIndex >= pool.size())
            throw std::invalid_argument("a tile rule points outside its pool");
    }
}

} // namespace

Tile::Tile(std::string tileId, std::string tileName, std::vector<std::string> categories,
           std::vector<Variant> variantPool, std::vector<VariantRule> variantRules,
           std::int32_t stackingPriority, std::vector<Variant> transitionPool,
           std::vector<VariantRule> transitionRules)
    : tileId(std::move(tileId)), tileName(std::move(tileName)), categories(std::move(categories)),
      variantPool(std::move(variantPool)), variantRules(std::move(variantRules)),
      stackingPriority(stackingPriority), transitionPool(std::move(transitionPool)),
      transitionRules(std::move(transitionRules)) {
    if (this->variantPool.empty())
        throw std::invalid_argument("a tile needs a default variant");
    checkRules(this->variantRules, this->variantPool);
    checkRules(this->transitionRules, this->transitionPool);
}

Tile::Tile(std::string tileId, std::string tileName, std::vector<std::string> categories,
           const sf::IntRect& defaultRect)
    : Tile(std::move(tileId), std::move(tileName), std::move(categories), {Variant(defaultRect)}, {}, 0, {},
           {}) {}

const Variant& Tile::selectVariant(const Neighbours& neighbours) const {
    const Variant* chosen = firstMatch(variantRules, variantPool, neighbours);
    return chosen ? *chosen : getDefaultVariant();
}

const Variant* Tile::selectTransition(const Neighbours& neighbours) const {
    return firstMatch(transitionRules, transitionPool, neighbours);
}

const Variant* Tile::firstMatch(const std::vector<VariantRule>& rules, const std::vector<Variant>& pool,
                                const Neighbours& neighbours) const {
    if (rules.empty())
        return nullptr;
    const Neighbourhood cells = makeNeighbourhood(this, neighbours);
    for (const VariantRule& rule : rules) {
        if (matchPattern(rule.pattern, cells))
            return &pool[rule.poolIndex];
    }
    return nullptr;
}

} // namespace orv
