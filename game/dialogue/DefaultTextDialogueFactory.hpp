#pragma once

#include "game/dialogue/DialogueFactory_base.hpp"

#include <memory>
#include <string>
#include <vector>

namespace tarsk {

// Makes dialogues that tell the given lines one after another.
class DefaultTextDialogueFactory : public DialogueFactory_base {
public:
    DefaultTextDialogueFactory(std::string id, std::vector<std::string> lines);

    // The dialogue shares this factory's lines and takes its id.
    std::unique_ptr<Dialogue> create() const override;

    const std::vector<std::string>& getLines() const { return lines; }

private:
    std::vector<std::string> lines;
};

} // namespace tarsk
