#include "game/items/Item.hpp"

namespace tarsk {

Item::~Item() = default;

bool Item::equals(const Item& other) const {
    return getId() == other.getId();
}

bool Item::notEquals(const Item& other) const {
    return getId() != other.getId();
}

} // namespace tarsk
