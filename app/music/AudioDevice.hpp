#pragma once

namespace tarsk {

// Whether the default audio device opens. Without one every call into the audio layer fails and
// reports it, each frame, so the game then makes no sound at all.
bool audioDeviceAvailable();

} // namespace tarsk
