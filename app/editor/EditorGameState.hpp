#pragma once

#include "engine/common/Export.hpp"
#include "engine/state/GameState.hpp"
#include "ui/Box.hpp"
#include "ui/Button.hpp"
#include "ui/Desktop.hpp"
#include "ui/Label.hpp"
#include "ui/Scale.hpp"
#include "ui/Window.hpp"

#include <SFML/Graphics/Color.hpp>

#include <string>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class InputEngine;
class TimeSystem;

// A tool window for lighting a world: sliders for a point light's radius, focus and colour and
// one for the time of day, and a button that makes a light from the sliders to be placed with the
// mouse (EntityPlacementGamestate).
class EditorGameState : public orv::GameState {
public:
    EditorGameState(orv::World& world, TimeSystem& timeSystem, InputEngine& input, const orv::Entity* camera,
                    ui::Desktop& desktop);

    // The light the sliders describe, as "Create Light Entity" makes it.
    float getRadius() const { return radiusScale->getValue(); }
    float getFocus() const { return focusScale->getValue(); }
    sf::Color getColor() const;

    const ui::Window::Ptr& getWindow() const { return window; }
    const ui::Button::Ptr& getCreateButton() const { return button; }
    const ui::Scale::Ptr& getRadiusScale() const { return radiusScale; }
    const ui::Scale::Ptr& getFocusScale() const { return focusScale; }
    const ui::Scale::Ptr& getRedScale() const { return redScale; }
    const ui::Scale::Ptr& getGreenScale() const { return greenScale; }
    const ui::Scale::Ptr& getBlueScale() const { return blueScale; }
    const ui::Scale::Ptr& getAlphaScale() const { return alphaScale; }
    const ui::Scale::Ptr& getTimeScale() const { return timeScale; }
    const ui::Label::Ptr& getRadiusLabel() const { return radiusLabel; }
    const ui::Label::Ptr& getTimeLabel() const { return timeLabel; }

    // The slider's value as its label shows it ("%f").
    static std::string formatValue(float value);

protected:
    ORV_API void onInit() override;
    ORV_API void onUpdate() override;
    ORV_API void onDestroy() override;

private:
    ui::Scale::Ptr addSlider(const std::string& labelPrefix, ui::Label::Ptr& label, float minimum,
                             float maximum, float step, float start);
    void createLightEntity();

    orv::World& world;
    TimeSystem& timeSystem;
    InputEngine& input;
    const orv::Entity* camera;
    ui::Desktop* desktop;
    ui::Window::Ptr window;
    ui::Box::Ptr box;
    ui::Button::Ptr button;
    ui::Label::Ptr radiusLabel;
    ui::Scale::Ptr radiusScale;
    ui::Label::Ptr focusLabel;
    ui::Scale::Ptr focusScale;
    ui::Label::Ptr redLabel;
    ui::Scale::Ptr redScale;
    ui::Label::Ptr greenLabel;
    ui::Scale::Ptr greenScale;
    ui::Label::Ptr blueLabel;
    ui::Scale::Ptr blueScale;
    ui::Label::Ptr alphaLabel;
    ui::Scale::Ptr alphaScale;
    ui::Scale::Ptr timeScale;
    ui::Label::Ptr timeLabel;
};

} // namespace tarsk
