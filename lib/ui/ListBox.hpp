#pragma once

#include "ui/Scrollbar.hpp"
#include "ui/Widget.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

// A scrollable list of text rows, each with an id (not shown). At most one row is selected;
// every change of the selection, to a row or to none, is announced with the row's index, text
// and id (-1 and empty texts for none).
class ListBox : public Widget {
public:
    using Ptr = std::shared_ptr<ListBox>;
    static constexpr float defaultItemHeight = 22.f;

    ListBox();
    static Ptr create();

    // Returns the new row's index.
    std::size_t addItem(const std::string& text, const std::string& id = {});
    // The first row with that text / id; false when there is none.
    bool removeItem(const std::string& text);
    bool removeItemById(const std::string& id);
    bool removeItemByIndex(std::size_t index);
    void removeAllItems();

    bool setSelectedItem(const std::string& text);
    bool setSelectedItemById(const std::string& id);
    bool setSelectedItemByIndex(std::size_t index);
    void deselectItem();
    // Empty strings and -1 when nothing is selected.
    std::string getSelectedItem() const;
    std::string getSelectedItemId() const;
    int getSelectedItemIndex() const { return selected; }

    std::size_t getItemCount() const { return items.size(); }
    std::vector<std::string> getItems() const;
    std::vector<std::string> getItemIds() const;
    void setItemHeight(float height);
    float getItemHeight() const { return itemHeight; }
    const Scrollbar& getScrollbar() const { return scrollbar; }

    smartsignals::Signal<void(int, const std::string&, const std::string&)> onItemSelect;

protected:
    void leftMousePressed(sf::Vector2f position) override;
    void mouseMoved(sf::Vector2f position) override;
    bool mouseWheelScrolled(float delta, sf::Vector2f position) override;
    void resetInputState() override;
    void sizeChanged() override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    struct Item {
        std::string text;
        std::u32string characters;
        std::string id;
    };

    void select(int index);
    int indexAt(sf::Vector2f position) const;
    void updateScrollbar();

    std::vector<Item> items;
    int selected = -1;
    int hoveredItem = -1;
    float itemHeight = defaultItemHeight;
    Scrollbar scrollbar;
};

} // namespace ui
