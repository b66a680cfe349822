#pragma once

#include "ui/RootContainer.hpp"
#include "ui/Widget.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Window/Event.hpp>

#include <memory>
#include <string>
#include <vector>

namespace ui {

// The root of a widget tree drawn over a window. It passes window events to the widgets
// (hover, press, release, click, focus, wheel, typed text, keys to the focused widget) and
// never consumes them: the caller hands the same events to its own input handling.
// Without a target it works headless: give it a window size, and text is measured by the fixed
// model of TextMetrics; with a target and a font, text is measured with the font.
class Gui {
public:
    static constexpr const char* defaultFontPath = "data/fonts/DejaVuSans.ttf";

    Gui();
    explicit Gui(sf::RenderTarget& target);
    Gui(const Gui&) = delete;
    Gui& operator=(const Gui&) = delete;
    ~Gui();

    // Takes the target's size; loads the default font (relative to the working folder) when no
    // font was given. A missing default font is tolerated: text is then neither drawn nor
    // measured with a font.
    void setTarget(sf::RenderTarget& target);
    sf::RenderTarget* getTarget() const { return target; }
    // The window size for a Gui without a target; a target's own size wins.
    void setWindowSize(sf::Vector2u size);
    sf::Vector2u getWindowSize() const { return windowSize; }
    // The part of the window the GUI covers, as fractions of the window size; the GUI is as
    // large as that part in pixels, and every layout is recomputed when it changes.
    void setRelativeView(const sf::FloatRect& view);
    sf::FloatRect getRelativeView() const { return relativeView; }
    sf::FloatRect getView() const;
    sf::Vector2f getSize() const;
    sf::Vector2f mapPixelToCoords(sf::Vector2i pixel) const;

    // Throws orv::ResourceAccessException when the file cannot be read (orv::readRegularFile),
    // std::runtime_error when it holds no font.
    void setFont(const std::string& path);
    void setFont(std::shared_ptr<const sf::Font> font);
    std::shared_ptr<const sf::Font> getFont() const { return font; }
    TextMetrics getTextMetrics() const { return root->getTextMetrics(); }

    void handleEvent(const sf::Event& event);
    // Advances time-driven looks (the caret's blink).
    void update(float seconds);
    // Draws every visible widget through the GUI's view; the target's view is restored after.
    void draw();

    void add(const Widget::Ptr& widget, const std::string& name = {});
    bool remove(const Widget::Ptr& widget);
    void removeAllWidgets();
    const std::vector<Widget::Ptr>& getWidgets() const { return root->getWidgets(); }
    Widget::Ptr get(const std::string& name) const { return root->get(name); }
    template <class T>
    std::shared_ptr<T> get(const std::string& name) const {
        return root->get<T>(name);
    }

    Widget::Ptr getFocusedChild() const { return root->getFocusedChild(); }
    Widget::Ptr getFocusedLeaf() const { return root->getFocusedLeaf(); }
    // The focused widget takes typed text (an edit box, a text area that is not read-only).
    bool isTextInputFocused() const;
    void unfocusAllWidgets() { root->unfocusAllWidgets(); }

    Container& getContainer() { return *root; }

private:
    struct Hit {
        std::vector<Widget::Ptr> path;
        // How many widgets from the top of the path are enabled, their ancestors included.
        std::size_t enabledDepth = 0;
        Widget::Ptr target() const { return enabledDepth > 0 ? path[enabledDepth - 1] : nullptr; }
    };

    Hit hitTest(sf::Vector2f point) const;
    bool isAttached(const Widget& widget) const;

    void mousePressed(sf::Mouse::Button button, sf::Vector2f point);
    void mouseReleased(sf::Mouse::Button button, sf::Vector2f point);
    void mouseMoved(sf::Vector2f point);
    void mouseWheelScrolled(float delta, sf::Vector2f point);
    void updateHover(const std::vector<Widget::Ptr>& now);
    void keyPressed(const sf::Event::KeyEvent& key);
    void textEntered(char32_t character);

    void syncWindowSize();
    void updateView();
    void updateMetrics();

    std::shared_ptr<RootContainer> root;
    sf::RenderTarget* target = nullptr;
    sf::Vector2u windowSize;
    sf::FloatRect relativeView{0.f, 0.f, 1.f, 1.f};
    std::shared_ptr<const sf::Font> font;
    std::weak_ptr<Widget> leftPressed;
    std::weak_ptr<Widget> rightPressed;
    std::vector<std::weak_ptr<Widget>> hovered;
};

} // namespace ui
