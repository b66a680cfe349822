#include "tools/assetgen/src/TileDefinition.hpp"

namespace assetgen {

namespace {

nlohmann::json lookToJson(const Look& look) {
    const auto& first = look.front();
    if (look.size() == 1 && first.milliseconds == 0) {
        return {first.rect.left, first.rect.top, first.rect.width, first.rect.height};
    }
    auto frames = nlohmann::json::array();
    for (const auto& f : look) {
        frames.push_back({f.rect.left, f.rect.top, f.rect.width, f.rect.height, f.milliseconds});
    }
    return frames;
}

nlohmann::json rulesToJson(const std::vector<LookRule>& rules) {
    auto list = nlohmann::json::array();
    for (const auto& rule : rules) {
        nlohmann::json condition;
        if (rule.patterns.size() == 1) {
            condition = rule.patterns.front();
        } else {
            condition = rule.patterns;
        }
        list.push_back({{"condition", condition}, {"result", lookToJson(rule.look)}});
    }
    return list;
}

const Look* firstMatch(const std::vector<LookRule>& rules, const std::string& centre,
                       const std::array<std::string, 8>& neighbours) {
    for (const auto& rule : rules) {
        for (const auto& pattern : rule.patterns) {
            if (patternMatches(pattern, centre, neighbours)) {
                return &rule.look;
            }
        }
    }
    return nullptr;
}

} // namespace

nlohmann::json TileDefinition::toJson() const {
    nlohmann::json tile = {{"tile_id", id},
                           {"tile_name", name},
                           {"tile_categories", categories},
                           {"default", lookToJson(defaultLook)},
                           {"default_stacking_priority", stackingPriority}};
    if (!variants.empty()) {
        tile["variants"] = rulesToJson(variants);
    }
    if (!transitions.empty()) {
        tile["transitions"] = rulesToJson(transitions);
    }
    return tile;
}

bool patternMatches(const Pattern& pattern, const std::string& centre,
                    const std::array<std::string, 8>& neighbours) {
    for (std::size_t k = 0, n = 0; k < 9; ++k) {
        if (k == 4) {
            continue;
        }
        const std::string& token = pattern[k];
        const std::string& other = neighbours[n++];
        const bool ok = token == "?" || (token == "X" && other == centre) ||
                        (token == "O" && other != centre) || (token != "X" && token != "O" && token == other);
        if (!ok) {
            return false;
        }
    }
    return true;
}

const Look& selectLook(const TileDefinition& tile, const std::array<std::string, 8>& neighbours) {
    const Look* chosen = firstMatch(tile.variants, tile.id, neighbours);
    return chosen ? *chosen : tile.defaultLook;
}

const Look* selectTransition(const TileDefinition& tile, const std::array<std::string, 8>& neighbours) {
    return firstMatch(tile.transitions, tile.id, neighbours);
}

sf::IntRect frameAt(const Look& look, unsigned clock) {
    unsigned total = 0;
    for (const auto& f : look) {
        total += static_cast<unsigned>(f.milliseconds);
    }
    if (look.size() == 1 || total == 0) {
        return look.front().rect;
    }
    long long r = clock % total;
    if (r == 0) {
        return look.front().rect;
    }
    for (const auto& f : look) {
        r -= f.milliseconds;
        if (r <= 0) {
            return f.rect;
        }
    }
    return look.front().rect;
}

} // namespace assetgen
