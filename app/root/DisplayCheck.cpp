#include "app/root/DisplayCheck.hpp"

#include <cstdlib>

// Xlib's macros (None, Bool, Status) clash with other headers: it comes last.
#include <X11/Xlib.h>

namespace tarsk {

std::string whyNoDisplay() {
    if (Display* display = XOpenDisplay(nullptr)) {
        XCloseDisplay(display);
        return {};
    }
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return "no display to open: DISPLAY is not set";
    return std::string("cannot open the display \"") + name + "\"";
}

} // namespace tarsk
