#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>

namespace orvbench {

// Adds `count` entities of an entity blueprint to the player's world of a game document, each
// at a random spot of a random land cell of that world's terrain (the same spots for the same
// seed). Throws std::runtime_error when the document has no such world or it has no land.
void addCrowd(nlohmann::json& game, const std::string& blueprint, int count, std::uint32_t seed);

// Repeats the player's world's terrain `copies` times side by side (east of the original), so a
// crowd `copies` times as large keeps the same number of frogs per land cell.
void widenLand(nlohmann::json& game, int copies);

// Gives the saved player of a game document the given health, as current and as maximum, so a
// crowd that bites them all the time does not end the game before it has been measured.
void setPlayerHealth(nlohmann::json& game, double health);

} // namespace orvbench
