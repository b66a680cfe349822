#include "game/needs/NeedsComponent.hpp"

#include <algorithm>

namespace tarsk {

namespace {
float clamped(float value) {
    return std::clamp(value, NeedsComponent::Minimum, NeedsComponent::Maximum);
}
} // namespace

NeedsComponent::NeedsComponent() : needs{Maximum, Maximum} {}

NeedsComponent::NeedsComponent(Needs initial) : needs{clamped(initial.first), clamped(initial.second)} {}

void NeedsComponent::changeNeeds(const Needs& delta) {
    needs.first = clamped(needs.first + delta.first);
    needs.second = clamped(needs.second + delta.second);
    changed.emit(needs);
}

} // namespace tarsk
