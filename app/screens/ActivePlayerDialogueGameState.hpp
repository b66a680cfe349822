#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"
#include "game/dialogue/Dialogue.hpp"
#include "game/dialogue/DialogueView.hpp"
#include "ui/TextArea.hpp"

#include <SFML/System/Time.hpp>

#include <memory>
#include <string>

namespace tarsk {

class PlayerScreenServices;

// A conversation shown one line at a time near the bottom of the window; each left click in the
// window asks the dialogue for the next line. Once the dialogue says it is over, the screen
// lingers briefly so its last line can still be read, then closes itself. The pause counts the
// root's frame times, so a game driven by a scripted clock closes it on the same frame every run.
class ActivePlayerDialogueGameState : public orv::GameState, public DialogueView {
public:
    static constexpr const char* continueHint = " (Click to continue...)";
    inline static const sf::Time lingerTime = sf::milliseconds(160);

    // An id the dialogue registry lacks throws std::out_of_range; no screen is made then.
    ActivePlayerDialogueGameState(PlayerScreenServices& services, const std::string& dialogueId);
    ~ActivePlayerDialogueGameState() override;

    void showLine(const std::string& line) override;

    bool isFinished() const { return finished; }
    const ui::TextArea::Ptr& getTextBox() const { return textBox; }

protected:
    void onInit() override;
    void onUpdate() override;
    void onDestroy() override;

private:
    void advance();

    PlayerScreenServices& services;
    ui::TextArea::Ptr textBox;
    std::unique_ptr<Dialogue> dialogue;
    bool finished = false;
    sf::Time lingered;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
