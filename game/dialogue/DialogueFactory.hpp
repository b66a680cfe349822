#pragma once

#include "game/dialogue/Dialogue.hpp"
#include "game/dialogue/DialogueFactory_base.hpp"

#include <memory>
#include <string>

namespace tarsk {

// Makes dialogues of a kind that knows all its lines itself.
template <class T>
class DialogueFactory : public DialogueFactory_base {
public:
    explicit DialogueFactory(std::string id) : DialogueFactory_base(std::move(id)) {}

    std::unique_ptr<Dialogue> create() const override { return std::make_unique<T>(); }
};

} // namespace tarsk
