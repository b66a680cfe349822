#pragma once

#include "app/savegame/LoadedSavegame.hpp"

namespace tarsk {

class LoadedSavegameLoader {
public:
    virtual ~LoadedSavegameLoader() = default;
    virtual LoadedSavegame load() = 0;
};

} // namespace tarsk
