#include "app/editor/EditorGameState.hpp"
#include "app/editor/EntityPlacementGamestate.hpp"
#include "app/input/InputEngine.hpp"
#include "app/input/ScriptedInputDevice.hpp"
#include "engine/ecs/World.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/camera/CameraComponent.hpp"
#include "game/camera/CameraEntity.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/lights/PointSpotLight.hpp"
#include "game/time/TimeSystem.hpp"
#include "ui/Gui.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <gtest/gtest.h>

namespace {

TEST(PlacementSnap, ShiftPutsThingsOnTheTileCentreAndTopEdge) {
    EXPECT_EQ(tarsk::EntityPlacementGamestate::snapToTile({3.7f, 5.2f}), sf::Vector2f(3.5f, 5.f));
    EXPECT_EQ(tarsk::EntityPlacementGamestate::snapToTile({-0.2f, -1.5f}), sf::Vector2f(-0.5f, -2.f));
}

// One real window for the suite, since the mouse is mapped through its view; the live device
// state comes from the test.
struct Editor : testing::Test {
    static void SetUpTestSuite() { window = new sf::RenderWindow(sf::VideoMode(800, 600), "editor"); }
    static void TearDownTestSuite() {
        delete window;
        window = nullptr;
    }

    Editor()
        : input(*window, desktop, gui, std::make_unique<apptest::ScriptedInputDevice>(device)),
          camera(tarsk::createCameraEntity()) {
        time = world.registerSystem<tarsk::TimeSystem>();
        world.initSystems();
        desktop.setWindowSize(device.windowSize);
        editor = std::make_unique<tarsk::EditorGameState>(world, *time, input, camera.get(), desktop);
        editor->init();
    }
    ~Editor() override {
        if (!editor->isClosed())
            editor->close();
    }

    void click(sf::Mouse::Button button, sf::Vector2i at) {
        sf::Event event{};
        event.type = sf::Event::MouseButtonPressed;
        event.mouseButton = {button, at.x, at.y};
        input.handleEvent(event);
    }
    void holdShift() {
        device.keys.insert(sf::Keyboard::LShift);
        sf::Event event{};
        event.type = sf::Event::KeyPressed;
        event.key.code = sf::Keyboard::LShift;
        input.handleEvent(event);
    }
    // The frame's walk: closed placements leave the editor's children.
    void frame() { editor->update(); }

    static sf::RenderWindow* window;
    apptest::DeviceState device;
    ui::Desktop desktop;
    ui::Gui gui;
    tarsk::InputEngine input;
    orv::World world;
    tarsk::TimeSystem* time = nullptr;
    std::unique_ptr<orv::Entity> camera;
    std::unique_ptr<tarsk::EditorGameState> editor;
};

sf::RenderWindow* Editor::window = nullptr;

TEST_F(Editor, TheWindowIsOnTheDesktopWhileTheEditorLives) {
    ASSERT_EQ(desktop.getWidgets().size(), 1u);
    EXPECT_EQ(desktop.getWidgets().front(), editor->getWindow());
    editor->close();
    EXPECT_TRUE(desktop.getWidgets().empty());
}

TEST_F(Editor, SlidersRewriteTheirLabelsAndSetTheTimeOfDay) {
    editor->getRadiusScale()->setValue(3.5f);
    EXPECT_EQ(editor->getRadiusLabel()->getText(), "Radius: 3.500000");

    editor->getTimeScale()->setValue(13.5f);
    EXPECT_EQ(time->getDayTime().getHour(), 13u);
    EXPECT_EQ(time->getDayTime().getMinute(), 30u);
    frame();
    EXPECT_EQ(editor->getTimeLabel()->getText(), "Time: " + time->getDayTime().toString());
}

TEST_F(Editor, ALightFromTheSlidersIsPlacedWhereTheLeftButtonPresses) {
    editor->getRadiusScale()->setValue(4.f);
    editor->getFocusScale()->setValue(0.5f);
    editor->getRedScale()->setValue(200.f);
    editor->getGreenScale()->setValue(100.f);
    editor->getBlueScale()->setValue(50.f);
    editor->getAlphaScale()->setValue(128.f);
    editor->getCreateButton()->onPress.emit();
    ASSERT_EQ(editor->getSubStates().size(), 1u);
    EXPECT_EQ(world.getEntityCount(), 0u);

    // The camera at the origin shows 80 x 45 units: the window's centre is the world's origin.
    holdShift();
    const sf::Vector2f view = camera->getComponent<tarsk::CameraComponent>()->getView().getSize();
    const sf::Vector2f unitsPerPixel{view.x / 800.f / 16.f, view.y / 600.f / 16.f};
    const sf::Vector2i at(400 + static_cast<int>(3.7f / unitsPerPixel.x),
                          300 + static_cast<int>(5.2f / unitsPerPixel.y));
    click(sf::Mouse::Left, at);
    ASSERT_EQ(world.getEntityCount(), 1u);
    const orv::Entity& placed = *world.getEntities().front();
    EXPECT_EQ(placed.getComponent<orv::TransformationComponent>()->getPosition(),
              sf::Vector3f(3.5f, 5.f, 0.f));
    EXPECT_TRUE(placed.getInitStatus());
    const auto& light =
        dynamic_cast<const tarsk::PointSpotLight&>(placed.getComponent<tarsk::LightComponent>()->getLight());
    EXPECT_FLOAT_EQ(light.getRadius(), 4.f);
    EXPECT_FLOAT_EQ(light.getFocus(), 0.5f);
    EXPECT_EQ(light.getColor(), sf::Color(200, 100, 50, 128));

    // Placed once: the state has closed, a second press places nothing more.
    click(sf::Mouse::Left, at);
    EXPECT_EQ(world.getEntityCount(), 1u);
    frame();
    EXPECT_TRUE(editor->getSubStates().empty());
}

TEST_F(Editor, ARightClickDiscardsTheLightAndTheNextPressMakesAnother) {
    editor->getCreateButton()->onPress.emit();
    click(sf::Mouse::Right, {10, 10});
    frame();
    EXPECT_TRUE(editor->getSubStates().empty());
    EXPECT_EQ(world.getEntityCount(), 0u);

    editor->getCreateButton()->onPress.emit();
    editor->getCreateButton()->onPress.emit();
    click(sf::Mouse::Left, {400, 300});
    // Every open placement takes the same press.
    EXPECT_EQ(world.getEntityCount(), 2u);
}

} // namespace
