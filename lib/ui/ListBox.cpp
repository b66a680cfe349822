#include "ui/ListBox.hpp"

#include "ui/ClipScope.hpp"
#include "ui/Painter.hpp"
#include "ui/Utf8.hpp"

#include <algorithm>

namespace ui {

ListBox::ListBox() {
    renderer.setBackgroundColor(sf::Color::White);
    renderer.setBackgroundColorHover(sf::Color(235, 235, 235));
    renderer.setBorders(1.f);
    setSize(150, 150);
}

ListBox::Ptr ListBox::create() {
    return std::make_shared<ListBox>();
}

std::size_t ListBox::addItem(const std::string& text, const std::string& id) {
    items.push_back({text, fromUtf8(text), id});
    updateScrollbar();
    return items.size() - 1;
}

bool ListBox::removeItem(const std::string& text) {
    const auto it =
        std::find_if(items.begin(), items.end(), [&](const Item& item) { return item.text == text; });
    return it != items.end() && removeItemByIndex(static_cast<std::size_t>(it - items.begin()));
}

bool ListBox::removeItemById(const std::string& id) {
    const auto it = std::find_if(items.begin(), items.end(), [&](const Item& item) { return item.id == id; });
    return it != items.end() && removeItemByIndex(static_cast<std::size_t>(it - items.begin()));
}

bool ListBox::removeItemByIndex(std::size_t index) {
    if (index >= items.size())
        return false;
    const int removed = static_cast<int>(index);
    items.erase(items.begin() + removed);
    hoveredItem = -1;
    updateScrollbar();
    if (selected == removed) {
        // The row is gone before anyone hears it was deselected.
        select(-1);
    } else if (selected > removed) {
        --selected; // the same row, one place up: no change of selection
    }
    return true;
}

void ListBox::removeAllItems() {
    items.clear();
    hoveredItem = -1;
    updateScrollbar();
    select(-1);
}

bool ListBox::setSelectedItem(const std::string& text) {
    const auto it =
        std::find_if(items.begin(), items.end(), [&](const Item& item) { return item.text == text; });
    if (it == items.end())
        return false;
    select(static_cast<int>(it - items.begin()));
    return true;
}

bool ListBox::setSelectedItemById(const std::string& id) {
    const auto it = std::find_if(items.begin(), items.end(), [&](const Item& item) { return item.id == id; });
    if (it == items.end())
        return false;
    select(static_cast<int>(it - items.begin()));
    return true;
}

bool ListBox::setSelectedItemByIndex(std::size_t index) {
    if (index >= items.size())
        return false;
    select(static_cast<int>(index));
    return true;
}

void ListBox::deselectItem() {
    select(-1);
}

std::string ListBox::getSelectedItem() const {
    return selected >= 0 ? items[static_cast<std::size_t>(selected)].text : std::string();
}

std::string ListBox::getSelectedItemId() const {
    return selected >= 0 ? items[static_cast<std::size_t>(selected)].id : std::string();
}

std::vector<std::string> ListBox::getItems() const {
    std::vector<std::string> texts;
    for (const Item& item : items)
        texts.push_back(item.text);
    return texts;
}

std::vector<std::string> ListBox::getItemIds() const {
    std::vector<std::string> ids;
    for (const Item& item : items)
        ids.push_back(item.id);
    return ids;
}

void ListBox::setItemHeight(float height) {
    itemHeight = std::max(height, 1.f);
    updateScrollbar();
}

void ListBox::select(int index) {
    if (index == selected)
        return;
    selected = index;
    if (index < 0) {
        emitSignal(onItemSelect, -1, std::string(), std::string());
        return;
    }
    // Copies: a callback may clear the list while the signal is still running.
    const Item item = items[static_cast<std::size_t>(index)];
    emitSignal(onItemSelect, index, item.text, item.id);
}

int ListBox::indexAt(sf::Vector2f position) const {
    const float border = renderer.getBorders();
    if (position.x < border || position.x >= getSize().x - border || position.y < border ||
        position.y >= getSize().y - border)
        return -1;
    const float y = position.y - border + scrollbar.getOffset();
    const auto index = static_cast<int>(y / itemHeight);
    return index < static_cast<int>(items.size()) ? index : -1;
}

void ListBox::leftMousePressed(sf::Vector2f position) {
    const int index = indexAt(position);
    if (index >= 0)
        select(index);
}

void ListBox::mouseMoved(sf::Vector2f position) {
    hoveredItem = indexAt(position);
}

bool ListBox::mouseWheelScrolled(float delta, sf::Vector2f) {
    return scrollbar.scroll(delta, itemHeight);
}

void ListBox::resetInputState() {
    Widget::resetInputState();
    hoveredItem = -1;
}

void ListBox::sizeChanged() {
    updateScrollbar();
}

void ListBox::updateScrollbar() {
    scrollbar.setViewportSize(getSize().y - 2 * renderer.getBorders());
    scrollbar.setContentSize(itemHeight * static_cast<float>(items.size()));
}

void ListBox::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::FloatRect area({0.f, 0.f}, getSize());
    fillRect(target, states, area, renderer.getBackgroundColor());
    const float border = renderer.getBorders();
    const sf::FloatRect inner = insideBorders(area, border);
    {
        const ClipScope clip(target, states, inner);
        if (!clip.isEmpty()) {
            const TextMetrics metrics = getTextMetrics();
            const float lineSpacing = metrics.getLineSpacing(getTextSize());
            for (std::size_t i = 0; i < items.size(); ++i) {
                const float top = border + itemHeight * static_cast<float>(i) - scrollbar.getOffset();
                if (top + itemHeight < 0.f || top > area.height)
                    continue;
                const bool isSelected = static_cast<int>(i) == selected;
                sf::Color textColor = renderer.getTextColor();
                if (isSelected) {
                    fillRect(target, states, {border, top, inner.width, itemHeight},
                             renderer.getSelectedBackgroundColor());
                    textColor = renderer.getSelectedTextColor();
                } else if (static_cast<int>(i) == hoveredItem && isHovered()) {
                    fillRect(target, states, {border, top, inner.width, itemHeight},
                             renderer.getBackgroundColorHover());
                }
                if (metrics.getFont())
                    drawText(target, states, *metrics.getFont(), items[i].characters,
                             {border + 4.f, top + (itemHeight - lineSpacing) / 2.f},
                             {getTextSize(), textColor});
            }
            drawScrollbar(target, states, scrollbar, inner);
        }
    }
    drawBorders(target, states, area, border, renderer.getBorderColor());
}

} // namespace ui
