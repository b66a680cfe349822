#include "ui/BoxLayout.hpp"
#include "ui/Button.hpp"
#include "ui/ChildWindow.hpp"
#include "ui/Group.hpp"
#include "ui/Gui.hpp"
#include "ui/HorizontalLayout.hpp"
#include "ui/Label.hpp"
#include "ui/LayoutParser.hpp"
#include "ui/ListBox.hpp"
#include "ui/Panel.hpp"
#include "ui/Picture.hpp"
#include "ui/ProgressBar.hpp"
#include "ui/TextArea.hpp"
#include "ui/VerticalLayout.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

float eval(const char* expression, sf::Vector2f parent = {200.f, 100.f}, sf::Vector2f own = {20.f, 10.f},
           ui::LayoutAxis axis = ui::LayoutAxis::X) {
    return ui::Layout(expression).evaluate({axis, parent, own});
}

TEST(UiLayoutParser, ArithmeticFollowsPrecedenceAndParentheses) {
    EXPECT_FLOAT_EQ(eval("2 + 3 * 4"), 14.f);
    EXPECT_FLOAT_EQ(eval("(2 + 3) * 4"), 20.f);
    EXPECT_FLOAT_EQ(eval("20 - 4 - 6"), 10.f); // left to right
    EXPECT_FLOAT_EQ(eval("40 / 4 / 2"), 5.f);
    EXPECT_FLOAT_EQ(eval("-width + 5"), -15.f);
    EXPECT_FLOAT_EQ(eval("--3"), 3.f);
    EXPECT_FLOAT_EQ(eval("1.5*.5"), 0.75f);
    EXPECT_FLOAT_EQ(eval("  7  "), 7.f);
}

TEST(UiLayoutParser, NamesFollowTheAxis) {
    const sf::Vector2f parent(200.f, 100.f);
    const sf::Vector2f own(20.f, 10.f);
    EXPECT_FLOAT_EQ(eval("size", parent, own, ui::LayoutAxis::X), 20.f);
    EXPECT_FLOAT_EQ(eval("size", parent, own, ui::LayoutAxis::Y), 10.f);
    EXPECT_FLOAT_EQ(eval("width", parent, own, ui::LayoutAxis::Y), 20.f);
    EXPECT_FLOAT_EQ(eval("height", parent, own, ui::LayoutAxis::X), 10.f);
    EXPECT_FLOAT_EQ(eval("parent.size", parent, own, ui::LayoutAxis::Y), 100.f);
    EXPECT_FLOAT_EQ(eval("&.size", parent, own, ui::LayoutAxis::X), 200.f);
    EXPECT_FLOAT_EQ(eval("&.height", parent, own, ui::LayoutAxis::X), 100.f);
    EXPECT_FLOAT_EQ(eval("50%", parent, own, ui::LayoutAxis::X), 100.f);
    EXPECT_FLOAT_EQ(eval("50%", parent, own, ui::LayoutAxis::Y), 50.f);
}

TEST(UiLayoutParser, DivisionByZeroGivesZero) {
    EXPECT_FLOAT_EQ(eval("10 / 0"), 0.f);
    EXPECT_FLOAT_EQ(eval("10 / parent.width", {0.f, 0.f}), 0.f);
}

TEST(UiLayoutParser, RejectsMalformedExpressions) {
    for (const char* bad : {"", "   ", "parent", "parent.", "parent.depth", "&width", "width +", "(1 + 2",
                            "1 + 2)", "left", "5..5", "50%%", "3 4", "*2", "1 $ 2"}) {
        EXPECT_THROW(ui::LayoutParser::parse(bad), std::invalid_argument) << '"' << bad << '"';
    }
    try {
        ui::LayoutParser::parse("parent.depth");
        FAIL();
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "invalid layout expression \"parent.depth\": unknown name \"depth\"");
    }
}

TEST(UiLayoutParser, PlainNumbersAreConstants) {
    EXPECT_TRUE(ui::Layout("20").isConstant());
    EXPECT_TRUE(ui::Layout(20).isConstant());
    EXPECT_FALSE(ui::Layout("50%").isConstant());
    EXPECT_EQ(ui::Layout("parent.width - 1").getExpression(), "parent.width - 1");
}

// Screens as the game builds them, checked at both window sizes the game runs in.
struct Screen : testing::TestWithParam<sf::Vector2u> {
    Screen() { gui.setWindowSize(GetParam()); }
    float width() const { return static_cast<float>(GetParam().x); }
    float height() const { return static_cast<float>(GetParam().y); }
    ui::Gui gui;
};

TEST_P(Screen, MainMenu) {
    auto group = ui::Group::create({"100%", 220});
    group->setPosition(0, "50%-height/2");
    auto title = ui::Label::create("Ostrevale");
    title->setTextSize(80);
    title->setPosition("50%-width/2", 0);
    auto version = ui::Label::create("pre-alpha.0.3");
    version->setTextSize(20);
    version->setPosition("50% + 320", 60);
    auto layout = ui::HorizontalLayout::create({"100%", "100%"});
    layout->setPosition("50%-width/2", 180);
    layout->setSize("parent.width/2", 40);
    auto newGame = ui::Button::create("New Game");
    auto resume = ui::Button::create("Continue");
    layout->add(newGame);
    layout->addSpace(0.2f);
    layout->add(resume);
    group->add(layout);
    group->add(title);
    group->add(version);
    gui.add(group);

    EXPECT_EQ(group->getSize(), sf::Vector2f(width(), 220.f));
    EXPECT_EQ(group->getPosition(), sf::Vector2f(0.f, height() / 2 - 110.f));
    // Fixed metrics: 9 characters of half of 80 wide, a line 1.25 x 80 high.
    EXPECT_EQ(title->getSize(), sf::Vector2f(360.f, 100.f));
    EXPECT_EQ(title->getPosition(), sf::Vector2f(width() / 2 - 180.f, 0.f));
    EXPECT_EQ(version->getPosition(), sf::Vector2f(width() / 2 + 320.f, 60.f));
    EXPECT_EQ(layout->getSize(), sf::Vector2f(width() / 2, 40.f));
    EXPECT_EQ(layout->getPosition(), sf::Vector2f(width() / 4, 180.f));
    const float unit = width() / 2 / 2.2f;
    EXPECT_NEAR(newGame->getSize().x, unit, 1e-3);
    EXPECT_EQ(newGame->getSize().y, 40.f);
    EXPECT_NEAR(resume->getPosition().x, unit * 1.2f, 1e-3);
    EXPECT_NEAR(resume->getPosition().x + resume->getSize().x, width() / 2, 1e-3);
}

TEST_P(Screen, HudCorners) {
    auto stats = ui::Group::create({550, 20});
    stats->setPosition(20, "parent.height - 40");
    auto health = ui::ProgressBar::create();
    health->setSize(150, "100%");
    auto experience = ui::ProgressBar::create();
    experience->setPosition(160, 0);
    experience->setSize(10, "100%");
    stats->add(health);
    stats->add(experience);
    gui.add(stats);
    auto buttons = ui::Group::create({"100%", "100%"});
    buttons->setSize(230, 50);
    buttons->setPosition("parent.width - width - 20", "parent.height - height - 20");
    gui.add(buttons);

    EXPECT_EQ(stats->getPosition(), sf::Vector2f(20.f, height() - 40.f));
    EXPECT_EQ(health->getSize(), sf::Vector2f(150.f, 20.f));
    EXPECT_EQ(experience->getSize(), sf::Vector2f(10.f, 20.f));
    EXPECT_EQ(buttons->getPosition(), sf::Vector2f(width() - 250.f, height() - 70.f));
}

TEST_P(Screen, CentredScreens) {
    auto dialogue = ui::TextArea::create();
    dialogue->setPosition("(parent.width/2) - (width/2)", "parent.height - height - 140");
    auto menu = ui::TextArea::create();
    menu->setSize(400, 260);
    menu->setPosition("parent.width/2 - width/2", "parent.height/2 - height/2");
    auto bar = ui::Group::create({"100%", "100%"});
    bar->setSize(310, 50);
    bar->setPosition("parent.width / 2 - width / 2", "parent.height - height - 20");
    gui.add(dialogue);
    gui.add(menu);
    gui.add(bar);

    EXPECT_EQ(dialogue->getPosition(), sf::Vector2f(width() / 2 - 180.f, height() - 190.f - 140.f));
    EXPECT_EQ(menu->getPosition(), sf::Vector2f(width() / 2 - 200.f, height() / 2 - 130.f));
    EXPECT_EQ(bar->getPosition(), sf::Vector2f(width() / 2 - 155.f, height() - 70.f));
}

TEST_P(Screen, InventoryWindowAndCell) {
    auto window = ui::ChildWindow::create("Inventory");
    window->setSize(ui::ChildWindow::getDefaultSize() * 2.f);
    window->setPosition("(&.size - size) / 2");
    auto horizontal = ui::HorizontalLayout::create({"100%", "100%"});
    auto vertical = ui::VerticalLayout::create({"100%", "100%"});
    auto header = ui::Group::create({"100%", "100%"});
    auto items = ui::Panel::create({"20%", "90%"});
    auto details = ui::Group::create({"20%", "90%"});
    vertical->add(header);
    vertical->add(items);
    vertical->setRatio(std::size_t{0}, 0.1f);
    horizontal->add(vertical);
    horizontal->add(details);
    horizontal->setRatio(std::size_t{0}, 2.f);
    window->add(horizontal);
    gui.add(window);

    auto cell = ui::Group::create({"20%", 80});
    // No texture: creating one needs a GL context, and the layout does not care.
    auto picture = ui::Picture::create(std::shared_ptr<const sf::Texture>());
    picture->setSize(30, 30);
    picture->setPosition("(&.width - width) / 2", "((&.height - height) / 2) - 10");
    auto label = ui::Label::create("Wood x3");
    label->setSize("70%", "40%");
    label->setPosition("(&.width - width) / 2", "((&.height - height) / 2) + 30");
    cell->add(picture);
    cell->add(label);
    items->add(cell);

    EXPECT_EQ(window->getSize(), sf::Vector2f(800.f, 600.f));
    EXPECT_EQ(window->getPosition(), sf::Vector2f((width() - 800.f) / 2, (height() - 600.f) / 2));
    const sf::Vector2f client = window->getInnerSize();
    EXPECT_EQ(horizontal->getSize(), client);
    EXPECT_NEAR(vertical->getSize().x, client.x * 2 / 3, 1e-3);
    EXPECT_NEAR(details->getPosition().x, client.x * 2 / 3, 1e-3);
    EXPECT_NEAR(header->getSize().y, client.y * 0.1f / 1.1f, 1e-3);
    EXPECT_NEAR(items->getSize().y, client.y / 1.1f, 1e-3);
    const float cellWidth = items->getSize().x * 0.2f;
    EXPECT_NEAR(cell->getSize().x, cellWidth, 1e-3);
    EXPECT_NEAR(picture->getPosition().x, (cellWidth - 30.f) / 2, 1e-3);
    EXPECT_EQ(picture->getPosition().y, 15.f);
    EXPECT_NEAR(label->getSize().x, cellWidth * 0.7f, 1e-3);
    EXPECT_EQ(label->getSize().y, 32.f);
    EXPECT_NEAR(label->getPosition().x, cellWidth * 0.15f, 1e-3);
    EXPECT_EQ(label->getPosition().y, 54.f);
}

TEST_P(Screen, QuestLogAndConsoleColumns) {
    auto questLog = ui::ChildWindow::create("Quest Log");
    questLog->setSize(700, 500);
    auto row = ui::HorizontalLayout::create({"100%", "100%"});
    auto left = ui::Group::create({"100%", "100%"});
    auto list = ui::ListBox::create();
    list->setPosition(0, 50);
    list->setSize("100%", 450);
    left->add(list);
    row->add(left, 0.3f);
    row->add(ui::Group::create({"100%", "100%"}));
    questLog->add(row);
    gui.add(questLog);
    EXPECT_EQ(questLog->getPosition(), sf::Vector2f(0.f, 0.f));
    EXPECT_NEAR(list->getSize().x, questLog->getInnerSize().x * 0.3f / 1.3f, 1e-3);
    EXPECT_EQ(list->getSize().y, 450.f);

    auto console = ui::ChildWindow::create("Console");
    auto column = ui::VerticalLayout::create({"100%", "100%"});
    auto output = ui::Group::create();
    auto line = ui::HorizontalLayout::create({"100%", "100%"});
    auto input = ui::Group::create();
    auto clear = ui::Button::create("Clear All");
    column->add(output, 0.9f);
    column->add(line, 0.1f);
    line->add(input, 0.8f);
    line->add(clear, 0.2f);
    console->add(column);
    gui.add(console);
    const sf::Vector2f client = console->getInnerSize();
    EXPECT_EQ(console->getSize(), ui::ChildWindow::getDefaultSize());
    EXPECT_NEAR(output->getSize().y, client.y * 0.9f, 1e-3);
    EXPECT_NEAR(line->getPosition().y, client.y * 0.9f, 1e-3);
    EXPECT_NEAR(input->getSize().x, client.x * 0.8f, 1e-3);
    EXPECT_NEAR(clear->getPosition().x, client.x * 0.8f, 1e-3);
    EXPECT_NEAR(clear->getSize().y, client.y * 0.1f, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(UiLayout, Screen, testing::Values(sf::Vector2u(1280, 720), sf::Vector2u(1920, 1080)),
                         [](const testing::TestParamInfo<sf::Vector2u>& info) {
                             return std::to_string(info.param.x) + "x" + std::to_string(info.param.y);
                         });

TEST(UiLayout, ChangingTheWindowRelaysEverything) {
    ui::Gui gui;
    gui.setWindowSize({1280, 720});
    auto group = ui::Group::create({"100%", 220});
    group->setPosition(0, "50%-height/2");
    auto buttons = ui::Group::create({230, 50});
    buttons->setPosition("parent.width - width - 20", "parent.height - height - 20");
    auto inner = ui::Label::create("x");
    inner->setPosition("parent.width - width", 0);
    group->add(inner);
    gui.add(group);
    gui.add(buttons);

    gui.setWindowSize({1920, 1080});
    gui.setRelativeView({0.f, 0.f, 1.f, 1.f});
    EXPECT_EQ(gui.getSize(), sf::Vector2f(1920.f, 1080.f));
    EXPECT_EQ(group->getSize().x, 1920.f);
    EXPECT_EQ(group->getPosition().y, 430.f);
    EXPECT_EQ(buttons->getPosition(), sf::Vector2f(1670.f, 1010.f));
    EXPECT_EQ(inner->getPosition().x, 1920.f - inner->getSize().x);

    // Half the window: the GUI is half as large in each direction.
    gui.setRelativeView({0.f, 0.f, 0.5f, 0.5f});
    EXPECT_EQ(gui.getSize(), sf::Vector2f(960.f, 540.f));
    EXPECT_EQ(buttons->getPosition(), sf::Vector2f(710.f, 470.f));
    EXPECT_EQ(gui.mapPixelToCoords({1920, 1080}), sf::Vector2f(960.f, 540.f));
}

TEST(UiLayout, OwnSizeChangesMovePositionsThatDependOnIt) {
    ui::Gui gui;
    gui.setWindowSize({1000, 500});
    auto label = ui::Label::create("abcd");
    label->setTextSize(10); // 5 per character
    // Position first, size afterwards: the position still sees the final size.
    label->setPosition("50%-width/2", "parent.height - height");
    gui.add(label);
    EXPECT_EQ(label->getPosition(), sf::Vector2f(490.f, 487.5f));
    label->setText("abcdefgh");
    EXPECT_EQ(label->getPosition(), sf::Vector2f(480.f, 487.5f));
    label->setText("two\nlines");
    EXPECT_EQ(label->getSize(), sf::Vector2f(25.f, 25.f));
    EXPECT_EQ(label->getPosition(), sf::Vector2f(487.5f, 475.f));
}

TEST(UiLayout, ParentResizeReachesGrandchildren) {
    ui::Gui gui;
    gui.setWindowSize({800, 600});
    auto outer = ui::Panel::create({"50%", "50%"});
    auto middle = ui::Group::create({"50%", "100%"});
    auto leaf = ui::ProgressBar::create();
    leaf->setSize("100%", "parent.height / 3");
    leaf->setPosition(0, "parent.height - height");
    middle->add(leaf);
    outer->add(middle);
    gui.add(outer);
    EXPECT_EQ(leaf->getSize(), sf::Vector2f(200.f, 100.f));
    outer->setSize(600, 90);
    EXPECT_EQ(leaf->getSize(), sf::Vector2f(300.f, 30.f));
    EXPECT_EQ(leaf->getPosition(), sf::Vector2f(0.f, 60.f));
}

TEST(UiLayout, DetachedWidgetsLayOutOnceAdded) {
    auto panel = ui::Panel::create({"50%", 40});
    EXPECT_EQ(panel->getSize(), sf::Vector2f(0.f, 40.f)); // no parent yet
    ui::Gui gui;
    gui.setWindowSize({640, 480});
    gui.add(panel);
    EXPECT_EQ(panel->getSize(), sf::Vector2f(320.f, 40.f));
}

TEST(UiLayout, BoxLayoutRatiosSpacesAndRemoval) {
    ui::Gui gui;
    gui.setWindowSize({400, 100});
    auto row = ui::HorizontalLayout::create();
    auto a = ui::Button::create("a");
    auto b = ui::Button::create("b");
    row->add(a);
    row->addSpace(2.f);
    row->add(b, 1.f);
    gui.add(row);
    EXPECT_EQ(row->getWidgets().size(), 3u);
    EXPECT_EQ(a->getSize(), sf::Vector2f(100.f, 100.f));
    EXPECT_EQ(b->getPosition(), sf::Vector2f(300.f, 0.f));
    EXPECT_TRUE(row->setRatio(b, 3.f));
    EXPECT_EQ(b->getSize().x, 200.f);
    EXPECT_FALSE(row->setRatio(ui::Button::create(), 1.f));
    EXPECT_FALSE(row->setRatio(std::size_t{7}, 1.f));
    row->setSpaceBetweenWidgets(10.f);
    EXPECT_EQ(a->getSize().x, (400.f - 20.f) / 6.f);
    row->setSpaceBetweenWidgets(0.f);
    row->remove(row->getWidgets()[1]);
    EXPECT_EQ(a->getSize().x, 100.f);
    EXPECT_EQ(b->getPosition().x, 100.f);
    EXPECT_EQ(row->getRatio(b), 3.f);

    auto column = ui::VerticalLayout::create({100, 90});
    auto top = ui::Group::create();
    column->add(top, 1.f);
    column->add(ui::Group::create(), 2.f);
    EXPECT_EQ(top->getSize(), sf::Vector2f(100.f, 30.f));
    EXPECT_EQ(column->getWidgets()[1]->getPosition(), sf::Vector2f(0.f, 30.f));
}

} // namespace
