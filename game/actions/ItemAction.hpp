#pragma once

#include <string>

namespace tarsk {

// Something the player can do with one carried item. Like Action, short-lived.
class ItemAction {
public:
    ItemAction() = default;
    ItemAction(const ItemAction&) = delete;
    ItemAction& operator=(const ItemAction&) = delete;
    virtual ~ItemAction();

    virtual std::string getDescription() const = 0;
    virtual void execute() = 0;
};

} // namespace tarsk
