#pragma once

#include "ui/ClickableWidget.hpp"
#include "ui/TextLayout.hpp"

#include <string>

namespace ui {

// Text. Until a size is set the label is exactly as large as its text ("\n" starts a line);
// with a set size the text wraps at the label's width and is cut to its rectangle.
class Label : public ClickableWidget {
public:
    using Ptr = std::shared_ptr<Label>;
    enum class HorizontalAlignment { Left, Center, Right };
    enum class VerticalAlignment { Top, Center, Bottom };

    Label();
    static Ptr create(const std::string& text = {});

    void setText(const std::string& text);
    const std::string& getText() const { return text; }
    const TextLayout& getTextLayout() const { return layout; }
    void setAutoSize(bool autoSize);
    bool getAutoSize() const { return !hasExplicitSize(); }
    void setHorizontalAlignment(HorizontalAlignment alignment) { horizontalAlignment = alignment; }
    HorizontalAlignment getHorizontalAlignment() const { return horizontalAlignment; }
    void setVerticalAlignment(VerticalAlignment alignment) { verticalAlignment = alignment; }
    VerticalAlignment getVerticalAlignment() const { return verticalAlignment; }

protected:
    std::optional<sf::Vector2f> getNaturalSize() const override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    std::string text;
    TextLayout layout;
    HorizontalAlignment horizontalAlignment = HorizontalAlignment::Left;
    VerticalAlignment verticalAlignment = VerticalAlignment::Top;
};

} // namespace ui
