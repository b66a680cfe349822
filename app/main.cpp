#include "app/root/BaseGameState.hpp"
#include "app/root/DisplayCheck.hpp"
#include "app/root/StandardStreams.hpp"
#include "app/root/StopSignals.hpp"

#include <exception>
#include <iostream>
#include <string>

int main() {
    tarsk::secureStandardStreams();
    if (const std::string reason = tarsk::whyNoDisplay(); !reason.empty()) {
        std::cout << "fatal: " << reason << std::endl;
        return 1;
    }
    tarsk::StopSignals stopSignals;
    try {
        // An exception that leaves the loop destroys root on its way out, which writes the settings.
        tarsk::BaseGameState root;
        root.init();
        while (!root.isClosed()) {
            root.update();
            // At the end of the frame, as a window close would.
            if (stopSignals.received() != 0 && !root.isClosed())
                root.close();
        }
    } catch (const std::exception& error) {
        std::cout << "fatal: " << error.what() << std::endl;
        return 1;
    } catch (...) {
        std::cout << "fatal: unknown exception" << std::endl;
        return 1;
    }
    stopSignals.endByReceived();
    return 0;
}
