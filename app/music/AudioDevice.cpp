#include "app/music/AudioDevice.hpp"

#include <AL/alc.h>

namespace tarsk {

bool audioDeviceAvailable() {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device)
        return false;
    alcCloseDevice(device);
    return true;
}

} // namespace tarsk
