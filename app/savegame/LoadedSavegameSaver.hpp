#pragma once

#include "app/savegame/LoadedSavegame.hpp"

namespace tarsk {

class LoadedSavegameSaver {
public:
    virtual ~LoadedSavegameSaver() = default;
    virtual void save(LoadedSavegame& savegame) = 0;
};

} // namespace tarsk
