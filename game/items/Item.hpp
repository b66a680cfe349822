#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace sf {
class Texture;
}

namespace tarsk {

// Something a creature can carry. Items of one kind share an id and compare equal by it; each
// carried item is still its own object.
class Item {
public:
    Item() = default;
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;
    virtual ~Item();

    virtual const std::string& getId() const = 0;
    virtual const std::string& getName() const = 0;
    // Uploaded on first use, so only callers that draw (with a GL context) may ask for it.
    virtual const sf::Texture* getIconTexture() const = 0;
    virtual const std::string& getIconPath() const = 0;
    // The kind's free-form properties; a null value when the kind has none.
    virtual const nlohmann::json* getProperties() const = 0;

    virtual bool equals(const Item& other) const;
    virtual bool notEquals(const Item& other) const;
};

} // namespace tarsk
