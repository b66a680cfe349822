#include "game/ai/Vector2fConversion.hpp"

#include "bt/Exceptions.hpp"

sf::Vector2f bt::fromText(std::string_view text, As<sf::Vector2f>) {
    const std::vector<std::string_view> parts = bt::splitString(text, ';');
    if (parts.size() != 2)
        throw bt::RuntimeError("invalid input");
    return {bt::convertFromString<float>(parts[0]), bt::convertFromString<float>(parts[1])};
}
