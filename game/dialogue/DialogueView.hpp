#pragma once

#include <string>

namespace tarsk {

// Where a dialogue's lines appear: the dialogue screen.
class DialogueView {
public:
    virtual void showLine(const std::string& line) = 0;

protected:
    ~DialogueView() = default;
};

} // namespace tarsk
