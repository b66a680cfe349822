#pragma once

#include "game/dialogue/DialogueFactory_base.hpp"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tarsk {

// The dialogue factories by id, built once and never changed.
class DialogueDataManager {
public:
    using Factories = std::vector<std::unique_ptr<DialogueFactory_base>>;

    // The game's dialogues.
    DialogueDataManager();
    // Of two factories with one id the first is kept.
    explicit DialogueDataManager(Factories factories);
    DialogueDataManager(const DialogueDataManager&) = delete;
    DialogueDataManager& operator=(const DialogueDataManager&) = delete;
    ~DialogueDataManager();

    // An unknown id throws std::out_of_range "invalid map<K, T> key".
    const DialogueFactory_base& getFactory(const std::string& id) const;
    bool hasFactory(const std::string& id) const { return factories.contains(id); }

private:
    std::map<std::string, std::unique_ptr<DialogueFactory_base>> factories;
};

} // namespace tarsk
