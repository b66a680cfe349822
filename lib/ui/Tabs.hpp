#pragma once

#include "ui/Widget.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

// A row of tabs, at most one selected. Selecting a tab always announces it, also when it was
// already selected, so listeners can use a selection as "show this tab now". The row sizes
// itself to its tabs until a size is set; then the tabs share the width equally.
class Tabs : public Widget {
public:
    using Ptr = std::shared_ptr<Tabs>;
    static constexpr float tabPadding = 10.f;
    static constexpr float defaultTabHeight = 30.f;

    Tabs();
    static Ptr create();

    // Returns the new tab's index.
    std::size_t add(const std::string& text, bool select = true);
    bool select(std::size_t index);
    bool select(const std::string& text);
    void deselect();
    bool remove(std::size_t index);
    void removeAll();

    int getSelectedIndex() const { return selected; }
    std::string getSelected() const;
    std::size_t getTabsCount() const { return tabs.size(); }
    std::string getText(std::size_t index) const;
    void setTabHeight(float height);
    float getTabHeight() const { return tabHeight; }
    // The tab's rectangle in local coordinates.
    sf::FloatRect getTabRect(std::size_t index) const;

    smartsignals::Signal<void(int, const std::string&)> onTabSelect;

protected:
    std::optional<sf::Vector2f> getNaturalSize() const override;
    void leftMousePressed(sf::Vector2f position) override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    struct Tab {
        std::string text;
        std::u32string characters;
    };

    float naturalWidth(const Tab& tab) const;

    std::vector<Tab> tabs;
    int selected = -1;
    float tabHeight = defaultTabHeight;
};

} // namespace ui
