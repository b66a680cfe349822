#include "app/editor/EditorGameState.hpp"

#include "app/editor/EntityPlacementGamestate.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/lights/PointSpotLight.hpp"
#include "game/time/DayTime.hpp"
#include "game/time/TimeSystem.hpp"

#include <SFML/System/Time.hpp>

#include <cmath>
#include <cstdio>

namespace tarsk {

namespace {

constexpr float SliderHeight = 15.f;
constexpr double MillisecondsPerHour = 3600.0 * 1000.0;

sf::Uint8 channel(float value) {
    return static_cast<sf::Uint8>(static_cast<int>(value) % 256);
}

// sf::seconds multiplies in float, which at this size is off by seconds (13.5 h became 13:29:59).
sf::Time timeOfDay(float hours) {
    return sf::milliseconds(
        static_cast<sf::Int32>(std::lround(static_cast<double>(hours) * MillisecondsPerHour)));
}

} // namespace

EditorGameState::EditorGameState(orv::World& world, TimeSystem& timeSystem, InputEngine& input,
                                 const orv::Entity* camera, ui::Desktop& desktop)
    : world(world), timeSystem(timeSystem), input(input), camera(camera), desktop(&desktop) {}

std::string EditorGameState::formatValue(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    return text;
}

sf::Color EditorGameState::getColor() const {
    return {channel(redScale->getValue()), channel(greenScale->getValue()), channel(blueScale->getValue()),
            channel(alphaScale->getValue())};
}

ui::Scale::Ptr EditorGameState::addSlider(const std::string& labelPrefix, ui::Label::Ptr& label,
                                          float minimum, float maximum, float step, float start) {
    label = ui::Label::create(labelPrefix + formatValue(start));
    auto scale = ui::Scale::create(minimum, maximum, step);
    scale->setValue(start);
    scale->setRequisition({0.f, SliderHeight});
    scale->onValueChange.connect([target = label.get(), labelPrefix](float value) {
        target->setText(labelPrefix + formatValue(value));
    });
    box->pack(label);
    box->pack(scale);
    return scale;
}

void EditorGameState::onInit() {
    window = ui::Window::create("Editor");
    box = ui::Box::create(ui::Box::Orientation::Vertical, 5.f);
    button = ui::Button::create("Create Light Entity");
    button->onPress.connect([this] { createLightEntity(); });
    box->pack(button);

    box->pack(ui::Label::create("Radius"));
    radiusScale = addSlider("Radius: ", radiusLabel, 0.1f, 14.f, 0.1f, 2.f);
    box->pack(ui::Label::create("Focus"));
    focusScale = addSlider("Focus: ", focusLabel, 0.f, 1.f, 0.1f, 0.f);
    redScale = addSlider("R: ", redLabel, 0.f, 255.f, 1.f, 255.f);
    greenScale = addSlider("G: ", greenLabel, 0.f, 255.f, 1.f, 255.f);
    blueScale = addSlider("B: ", blueLabel, 0.f, 255.f, 1.f, 255.f);
    alphaScale = addSlider("A: ", alphaLabel, 0.f, 255.f, 1.f, 255.f);

    timeLabel = ui::Label::create("Time: " + timeSystem.getDayTime().toString());
    timeScale = ui::Scale::create(0.f, 23.9f, 0.1f);
    timeScale->setValue(0.f);
    timeScale->setRequisition({0.f, SliderHeight});
    timeScale->onValueChange.connect(
        [this](float hours) { timeSystem.setDayTime(DayTime(timeOfDay(hours))); });
    box->pack(timeLabel);
    box->pack(timeScale);

    window->add(box);
    desktop->add(window);
}

void EditorGameState::onUpdate() {
    timeLabel->setText("Time: " + timeSystem.getDayTime().toString());
}

void EditorGameState::onDestroy() {
    desktop->remove(window);
}

void EditorGameState::createLightEntity() {
    auto light = std::make_unique<PointSpotLight>(getRadius(), getFocus(), getColor());
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<orv::TransformationComponent>();
    entity->addComponent<LightComponent>(std::move(light));

    auto placement = std::make_unique<EntityPlacementGamestate>(world, std::move(entity), input, camera);
    placement->init();
    getSubStates().push_back(std::move(placement));
}

} // namespace tarsk
