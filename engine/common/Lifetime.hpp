#pragma once

#include <memory>

namespace orv {

// Lets others learn that an object has died without keeping it alive: watch() hands out a
// std::weak_ptr that expires when the owning object is destroyed. Each object has its own; a
// copy or a moved-to object starts a life of its own.
class Lifetime {
public:
    Lifetime() = default;
    Lifetime(const Lifetime&) {}
    Lifetime& operator=(const Lifetime&) { return *this; }

    std::weak_ptr<const void> watch() const { return token; }

private:
    std::shared_ptr<const int> token = std::make_shared<const int>(0);
};

} // namespace orv
