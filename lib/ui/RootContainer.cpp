#include "ui/RootContainer.hpp"

namespace ui {

RootContainer::RootContainer() {
    markAsRoot();
}

void RootContainer::setTextMetrics(const TextMetrics& newMetrics) {
    if (metrics == newMetrics)
        return;
    metrics = newMetrics;
    refreshLayoutDeep();
}

void RootContainer::setRootSize(sf::Vector2f size) {
    setSize(size);
}

} // namespace ui
