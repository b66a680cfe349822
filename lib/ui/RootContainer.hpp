#pragma once

#include "ui/Container.hpp"
#include "ui/TextMetrics.hpp"

#include <memory>

namespace ui {

// The invisible top of a widget tree, covering the whole view of its Gui. It holds the text
// metrics every widget below it measures with.
class RootContainer : public Container {
public:
    RootContainer();

    static std::shared_ptr<RootContainer> create() { return std::make_shared<RootContainer>(); }

    TextMetrics getTextMetrics() const { return metrics; }
    // Re-measures and re-lays out the whole tree when the metrics differ.
    void setTextMetrics(const TextMetrics& metrics);
    void setRootSize(sf::Vector2f size);

private:
    TextMetrics metrics;
};

} // namespace ui
