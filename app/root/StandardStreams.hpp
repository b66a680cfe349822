#pragma once

namespace tarsk {

// Makes the standard streams safe for whatever the game was started with. A descriptor 0, 1 or 2
// closed at start gets /dev/null, so the next file or X connection opened cannot take its number
// and receive the game's messages. A write to a pipe nobody reads any more fails, and its line is
// dropped, rather than ending the game by SIGPIPE. Call it first in main, before anything opens.
void secureStandardStreams();

} // namespace tarsk
