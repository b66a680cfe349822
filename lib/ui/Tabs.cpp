#include "ui/Tabs.hpp"

#include "ui/ClipScope.hpp"
#include "ui/Painter.hpp"
#include "ui/Utf8.hpp"

namespace ui {

Tabs::Tabs() {
    renderer.setBackgroundColor(sf::Color(245, 245, 245));
    renderer.setBorders(1.f);
    updateLayout();
}

Tabs::Ptr Tabs::create() {
    return std::make_shared<Tabs>();
}

std::size_t Tabs::add(const std::string& text, bool selectIt) {
    tabs.push_back({text, fromUtf8(text)});
    updateLayout();
    const std::size_t index = tabs.size() - 1;
    if (selectIt)
        select(index);
    return index;
}

bool Tabs::select(std::size_t index) {
    if (index >= tabs.size())
        return false;
    selected = static_cast<int>(index);
    const std::string text = tabs[index].text;
    emitSignal(onTabSelect, selected, text);
    return true;
}

bool Tabs::select(const std::string& text) {
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        if (tabs[i].text == text)
            return select(i);
    }
    return false;
}

void Tabs::deselect() {
    selected = -1;
}

bool Tabs::remove(std::size_t index) {
    if (index >= tabs.size())
        return false;
    tabs.erase(tabs.begin() + static_cast<std::ptrdiff_t>(index));
    if (selected == static_cast<int>(index))
        selected = -1;
    else if (selected > static_cast<int>(index))
        --selected;
    updateLayout();
    return true;
}

void Tabs::removeAll() {
    tabs.clear();
    selected = -1;
    updateLayout();
}

std::string Tabs::getSelected() const {
    return selected >= 0 ? tabs[static_cast<std::size_t>(selected)].text : std::string();
}

std::string Tabs::getText(std::size_t index) const {
    return index < tabs.size() ? tabs[index].text : std::string();
}

void Tabs::setTabHeight(float height) {
    tabHeight = height;
    updateLayout();
}

float Tabs::naturalWidth(const Tab& tab) const {
    return getTextMetrics().getLineWidth(tab.characters, getTextSize()) + 2 * tabPadding;
}

std::optional<sf::Vector2f> Tabs::getNaturalSize() const {
    float width = 0.f;
    for (const Tab& tab : tabs)
        width += naturalWidth(tab);
    return sf::Vector2f(width, tabHeight);
}

sf::FloatRect Tabs::getTabRect(std::size_t index) const {
    if (index >= tabs.size())
        return {};
    if (hasExplicitSize()) {
        const float width = getSize().x / static_cast<float>(tabs.size());
        return {width * static_cast<float>(index), 0.f, width, getSize().y};
    }
    float left = 0.f;
    for (std::size_t i = 0; i < index; ++i)
        left += naturalWidth(tabs[i]);
    return {left, 0.f, naturalWidth(tabs[index]), getSize().y};
}

void Tabs::leftMousePressed(sf::Vector2f position) {
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        if (getTabRect(i).contains(position)) {
            select(i);
            return;
        }
    }
}

void Tabs::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const TextMetrics metrics = getTextMetrics();
    const float lineSpacing = metrics.getLineSpacing(getTextSize());
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        const sf::FloatRect rect = getTabRect(i);
        const bool isSelected = static_cast<int>(i) == selected;
        fillRect(target, states, rect,
                 isSelected ? renderer.getSelectedBackgroundColor() : renderer.getBackgroundColor());
        drawBorders(target, states, rect, renderer.getBorders(), renderer.getBorderColor());
        if (!metrics.getFont())
            continue;
        const ClipScope clip(target, states, rect);
        if (clip.isEmpty())
            continue;
        const float textWidth = metrics.getLineWidth(tabs[i].characters, getTextSize());
        drawText(target, states, *metrics.getFont(), tabs[i].characters,
                 {rect.left + (rect.width - textWidth) / 2.f, rect.top + (rect.height - lineSpacing) / 2.f},
                 {getTextSize(), isSelected ? renderer.getSelectedTextColor() : renderer.getTextColor()});
    }
}

} // namespace ui
