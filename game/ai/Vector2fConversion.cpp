#include "game/ai/Vector2fConversion.hpp"

#include "bt/Exceptions.hpp"

template <>
sf::Vector2f bt::convertFromString<sf::Vector2f>(std::string_view text) {
    const std::vector<std::string_view> parts = bt::splitString(text, ';');
    if (parts.size() != 2)
        throw bt::RuntimeError("invalid input");
    return {bt::convertFromString<float>(parts[0]), bt::convertFromString<float>(parts[1])};
}
