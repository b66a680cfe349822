#include "Events.hpp"

#include "ui/Box.hpp"
#include "ui/Button.hpp"
#include "ui/ChatBox.hpp"
#include "ui/Desktop.hpp"
#include "ui/EditBox.hpp"
#include "ui/Gui.hpp"
#include "ui/Label.hpp"
#include "ui/Panel.hpp"
#include "ui/ProgressBar.hpp"
#include "ui/Scale.hpp"
#include "ui/TextArea.hpp"
#include "ui/Window.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <filesystem>

#include <string>

namespace {

const std::string fontPath = std::string(ORV_RUN_DIR) + "/data/fonts/DejaVuSans.ttf";

sf::Image capture(sf::RenderWindow& window) {
    sf::Texture texture;
    EXPECT_TRUE(texture.create(window.getSize().x, window.getSize().y));
    texture.update(window);
    return texture.copyToImage();
}

bool isDark(sf::Color color) {
    return color.r < 120 && color.g < 120 && color.b < 120;
}

int darkPixels(const sf::Image& image, sf::FloatRect rect) {
    int count = 0;
    for (auto x = static_cast<unsigned>(rect.left); x < static_cast<unsigned>(rect.left + rect.width); ++x) {
        for (auto y = static_cast<unsigned>(rect.top); y < static_cast<unsigned>(rect.top + rect.height);
             ++y) {
            if (isDark(image.getPixel(x, y)))
                ++count;
        }
    }
    return count;
}

// Shrinks a widget's rectangle so its border is left out.
sf::FloatRect inside(const ui::Widget& widget, float margin = 3.f) {
    const sf::FloatRect rect = widget.getAllocation();
    return {rect.left + margin, rect.top + margin, rect.width - 2 * margin, rect.height - 2 * margin};
}

struct UiDisplay : testing::Test {
    UiDisplay() : window(sf::VideoMode(640, 360), "ui test", sf::Style::Close) {
        gui.setFont(fontPath);
        gui.setTarget(window);
    }

    sf::Image render() {
        window.clear(sf::Color::White);
        gui.draw();
        sf::Image image = capture(window);
        window.display();
        return image;
    }

    sf::RenderWindow window;
    ui::Gui gui;
};

TEST_F(UiDisplay, PanelWithLabelButtonBarAndEditBox) {
    auto panel = ui::Panel::create({420, 240});
    panel->setPosition("(&.size - size) / 2");
    panel->getRenderer()->setBackgroundColor(sf::Color(200, 220, 240));

    auto label = ui::Label::create("Lvl. 7");
    label->setTextSize(24);
    label->setPosition(20, 15);
    label->getRenderer()->setTextColor(sf::Color::White);
    label->getRenderer()->setTextOutlineColor(sf::Color::Black);
    label->getRenderer()->setTextOutlineThickness(2.f);

    auto button = ui::Button::create("New Game");
    button->setPosition(240, 15);
    button->setSize(160, 40);

    auto health = ui::ProgressBar::create();
    health->setPosition(20, 80);
    health->setSize(202, 24);
    health->getRenderer()->setFillColor(sf::Color::Red);
    health->setValue(25);

    auto experience = ui::ProgressBar::create();
    experience->setPosition(240, 80);
    experience->setSize(12, 102);
    experience->setFillDirection(ui::ProgressBar::FillDirection::BottomToTop);
    experience->getRenderer()->setFillColor(sf::Color::Green);
    experience->setMaximum(200);
    experience->setValue(50);

    auto edit = ui::EditBox::create();
    edit->setPosition(20, 130);
    edit->setSize(200, 30);
    edit->setTextSize(16);

    panel->add(label);
    panel->add(button);
    panel->add(health);
    panel->add(experience);
    panel->add(edit);
    gui.add(panel);
    EXPECT_TRUE(gui.getTextMetrics().usesFont());

    const sf::FloatRect field = edit->getAllocation();
    uitest::click(gui, static_cast<int>(field.left) + 5, static_cast<int>(field.top) + 5);
    uitest::type(gui, U"hello");
    EXPECT_EQ(edit->getText(), "hello");

    const sf::Image image = render();
    // Left in the build folder for a look.
    ASSERT_TRUE(
        image.saveToFile((std::filesystem::path(ORV_RUN_DIR).parent_path() / "ui-screenshot.png").string()));

    // The panel sits in the middle of the window with its background.
    EXPECT_EQ(panel->getPosition(), sf::Vector2f(110.f, 60.f));
    EXPECT_EQ(image.getPixel(115, 250), sf::Color(200, 220, 240));
    EXPECT_EQ(image.getPixel(105, 250), sf::Color::White);

    // The health bar is red over its first quarter (1-pixel border, 200 pixels inside).
    const sf::Vector2f bar = health->getAbsolutePosition();
    const auto barY = static_cast<unsigned>(bar.y + 12);
    EXPECT_EQ(image.getPixel(static_cast<unsigned>(bar.x + 2), barY), sf::Color::Red);
    EXPECT_EQ(image.getPixel(static_cast<unsigned>(bar.x + 49), barY), sf::Color::Red);
    EXPECT_NE(image.getPixel(static_cast<unsigned>(bar.x + 53), barY), sf::Color::Red);
    EXPECT_EQ(image.getPixel(static_cast<unsigned>(bar.x + 150), barY), sf::Color(245, 245, 245));

    // The experience bar fills a quarter from the bottom up.
    const sf::Vector2f xp = experience->getAbsolutePosition();
    const auto xpX = static_cast<unsigned>(xp.x + 6);
    EXPECT_EQ(image.getPixel(xpX, static_cast<unsigned>(xp.y + 99)), sf::Color::Green);
    EXPECT_EQ(image.getPixel(xpX, static_cast<unsigned>(xp.y + 78)), sf::Color::Green);
    EXPECT_EQ(image.getPixel(xpX, static_cast<unsigned>(xp.y + 70)), sf::Color(245, 245, 245));

    // Text is drawn: the label's outline, the button's caption, the typed text.
    EXPECT_GT(darkPixels(image, label->getAllocation()), 40);
    EXPECT_GT(darkPixels(image, inside(*button)), 40);
    EXPECT_GT(darkPixels(image, inside(*edit)), 40);
    // The white fill of the outlined label shows too.
    const sf::FloatRect labelRect = label->getAllocation();
    int white = 0;
    for (auto x = static_cast<unsigned>(labelRect.left); x < labelRect.left + labelRect.width; ++x)
        for (auto y = static_cast<unsigned>(labelRect.top); y < labelRect.top + labelRect.height; ++y)
            white += image.getPixel(x, y) == sf::Color::White ? 1 : 0;
    EXPECT_GT(white, 20);
}

TEST_F(UiDisplay, TextIsLaidOutOnlyWhenItsTextWidthOrFontChange) {
    auto chat = ui::ChatBox::create();
    chat->setPosition(10, 10);
    chat->setSize(300, 200);
    auto label = ui::Label::create("A label wrapped at its width");
    label->setPosition(350, 10);
    label->setSize(120, 60);
    auto area = ui::TextArea::create();
    area->setPosition(350, 100);
    area->setSize(200, 100);
    gui.add(chat);
    gui.add(label);
    gui.add(area);
    std::string longLine;
    for (int i = 0; i < 3000; ++i)
        longLine += "lorem ipsum ";
    chat->addLine("0: x = 1");
    chat->addLine("\t" + longLine);
    const ui::TextLayout& chatLayout = *chat->getLineLayout(1);
    area->setText("first line\nsecond line");

    render();
    const std::size_t chatRuns = chatLayout.getLayoutCount();
    const std::size_t labelRuns = label->getTextLayout().getLayoutCount();
    const std::size_t areaRuns = area->getTextLayout().getLayoutCount();
    sf::Image image;
    for (int frame = 0; frame < 5; ++frame)
        image = render();
    EXPECT_EQ(chatLayout.getLayoutCount(), chatRuns);
    EXPECT_EQ(label->getTextLayout().getLayoutCount(), labelRuns);
    EXPECT_EQ(area->getTextLayout().getLayoutCount(), areaRuns);
    // The end of the long line shows at the bottom, the label and the area show their text.
    EXPECT_TRUE(chat->getScrollbar().isAtEnd());
    EXPECT_GT(darkPixels(image, inside(*chat, 6.f)), 200);
    EXPECT_GT(darkPixels(image, label->getAllocation()), 40);
    EXPECT_GT(darkPixels(image, inside(*area, 6.f)), 40);

    // A new width, a typed character and a new font each lay out once more.
    chat->setSize(250, 200);
    area->setFocused(true);
    uitest::type(gui, U"x");
    render();
    render();
    EXPECT_EQ(chatLayout.getLayoutCount(), chatRuns + 1);
    EXPECT_EQ(area->getTextLayout().getLayoutCount(), areaRuns + 1);
    gui.setFont(fontPath);
    render();
    render();
    EXPECT_EQ(chatLayout.getLayoutCount(), chatRuns + 2);
    EXPECT_EQ(label->getTextLayout().getLayoutCount(), labelRuns + 1);
}

TEST_F(UiDisplay, FontMetricsMatchWhatSfmlDraws) {
    auto label = ui::Label::create("Ostrevale");
    label->setTextSize(80);
    gui.add(label);
    const sf::Text text("Ostrevale", *gui.getFont(), 80);
    const sf::FloatRect bounds = text.getLocalBounds();
    // The label spans the glyphs' advances; the drawn ink lies within a pixel or two of that.
    EXPECT_NEAR(label->getSize().x, bounds.left + bounds.width, 4.f);
    EXPECT_FLOAT_EQ(label->getSize().y, gui.getFont()->getLineSpacing(80));
}

TEST_F(UiDisplay, ChildrenAreCutToTheirPanel) {
    auto panel = ui::Panel::create({100, 50});
    panel->setPosition(20, 20);
    panel->getRenderer()->setBackgroundColor(sf::Color(200, 200, 200));
    auto wide = ui::ProgressBar::create();
    wide->setSize(300, 30);
    wide->setValue(100);
    wide->getRenderer()->setFillColor(sf::Color::Blue);
    panel->add(wide);
    gui.add(panel);
    const sf::Image image = render();
    EXPECT_EQ(image.getPixel(60, 30), sf::Color::Blue);
    EXPECT_EQ(image.getPixel(200, 30), sf::Color::White);
}

TEST_F(UiDisplay, RelativeViewScalesTheGui) {
    auto panel = ui::Panel::create({"50%", "50%"});
    panel->getRenderer()->setBackgroundColor(sf::Color::Magenta);
    gui.add(panel);
    gui.setRelativeView({0.f, 0.f, 0.5f, 0.5f});
    EXPECT_EQ(panel->getSize(), sf::Vector2f(160.f, 90.f));
    const sf::Image image = render();
    // A GUI of 320 x 180 stretched over 640 x 360: the panel covers the top-left quarter.
    EXPECT_EQ(image.getPixel(300, 170), sf::Color::Magenta);
    EXPECT_EQ(image.getPixel(330, 190), sf::Color::White);
    gui.setRelativeView({0.f, 0.f, 1.f, 1.f});
    EXPECT_EQ(panel->getSize(), sf::Vector2f(320.f, 180.f));
}

TEST_F(UiDisplay, DesktopDrawsItsWindows) {
    ui::Desktop desktop;
    desktop.setFont(fontPath);
    desktop.setTarget(window);
    auto editor = ui::Window::create("Editor");
    auto box = ui::Box::create(ui::Box::Orientation::Vertical, 5.f);
    box->pack(ui::Button::create("Create Light Entity"));
    box->pack(ui::Label::create("Radius"));
    auto scale = ui::Scale::create(0.1f, 14.f, 0.1f);
    scale->setRequisition({0.f, 15.f});
    scale->setValue(14.f);
    box->pack(scale);
    editor->add(box);
    editor->setPosition(10, 10);
    desktop.add(editor);

    window.clear(sf::Color::White);
    desktop.draw();
    const sf::Image image = capture(window);
    window.display();
    const sf::FloatRect frame = editor->getAllocation();
    EXPECT_GT(frame.width, 100.f);
    EXPECT_EQ(image.getPixel(static_cast<unsigned>(frame.left + frame.width / 2), 5), sf::Color::White);
    EXPECT_EQ(image.getPixel(static_cast<unsigned>(frame.left + 2), static_cast<unsigned>(frame.top + 2)),
              sf::Color(170, 170, 170)); // title bar
    EXPECT_GT(darkPixels(image, {frame.left, frame.top, frame.width, ui::ChildWindow::titleBarHeight}), 20);
    // The handle of a full scale sits at the right end.
    const sf::FloatRect handle = scale->getAllocation();
    EXPECT_EQ(image.getPixel(static_cast<unsigned>(handle.left + handle.width - 5),
                             static_cast<unsigned>(handle.top + handle.height / 2)),
              sf::Color(90, 90, 90));
}

} // namespace
