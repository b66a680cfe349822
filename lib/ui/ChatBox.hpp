#pragma once

#include "ui/Scrollbar.hpp"
#include "ui/TextLayout.hpp"
#include "ui/Widget.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

// A read-only log of lines, newest at the bottom. Adding a line scrolls to the bottom; the
// wheel scrolls back. Lines wrap at the widget's width; a tab advances four spaces. Each line is
// laid out once, and again only when the width or the font changes.
class ChatBox : public Widget {
public:
    using Ptr = std::shared_ptr<ChatBox>;
    static constexpr float padding = 4.f;

    ChatBox();
    static Ptr create();

    void addLine(const std::string& text);
    void addLine(const std::string& text, sf::Color color);
    // Empty for an index past the end.
    std::string getLine(std::size_t index) const;
    std::size_t getLineAmount() const { return lines.size(); }
    // Null for an index past the end.
    const TextLayout* getLineLayout(std::size_t index) const;
    bool removeLine(std::size_t index);
    void removeAllLines();
    // The oldest lines go once there are more; 0 keeps every line.
    void setLineLimit(std::size_t limit);
    std::size_t getLineLimit() const { return lineLimit; }
    const Scrollbar& getScrollbar() const { return scrollbar; }

protected:
    bool mouseWheelScrolled(float delta, sf::Vector2f position) override;
    void sizeChanged() override;
    void refreshLayoutDeep() override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    struct Line {
        std::string text;
        TextLayout layout;
        std::optional<sf::Color> color;
    };

    float wrapWidth() const;
    const std::vector<WrappedLine>& layoutOf(const Line& line, const TextMetrics& metrics) const;
    float contentHeight() const;
    void updateScrollbar();
    void applyLineLimit();

    std::vector<Line> lines;
    std::size_t lineLimit = 0;
    Scrollbar scrollbar;
};

} // namespace ui
