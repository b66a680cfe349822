#pragma once

#include "game/dialogue/Dialogue.hpp"
#include "game/dialogue/DialogueContext.hpp"
#include "game/dialogue/DialogueView.hpp"

#include <string>
#include <vector>

namespace dialoguetest {

// Keeps every line a dialogue shows.
class RecordingView : public tarsk::DialogueView {
public:
    void showLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

// What one conversation showed, and whether the dialogue itself ended it.
struct Conversation {
    std::vector<std::string> lines;
    bool ended = false;
};

// Plays a conversation as the dialogue screen does: one step when it opens, then one per click
// until the dialogue says it is over, or the player walks away after the given clicks.
inline Conversation talk(tarsk::Dialogue& dialogue, const tarsk::DialogueContext& context, int clicks = 100) {
    RecordingView view;
    bool goesOn = dialogue.next(context, view);
    for (int click = 0; goesOn && click < clicks; ++click)
        goesOn = dialogue.next(context, view);
    return {view.lines, !goesOn};
}

} // namespace dialoguetest
