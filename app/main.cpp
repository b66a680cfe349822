#include "app/root/BaseGameState.hpp"
#include "app/root/DisplayCheck.hpp"

#include <exception>
#include <iostream>
#include <string>

int main() {
    if (const std::string reason = tarsk::whyNoDisplay(); !reason.empty()) {
        std::cout << "fatal: " << reason << std::endl;
        return 1;
    }
    try {
        // An exception that leaves the loop destroys root on its way out, which writes the settings.
        tarsk::BaseGameState root;
        root.init();
        while (!root.isClosed())
            root.update();
    } catch (const std::exception& error) {
        std::cout << "fatal: " << error.what() << std::endl;
        return 1;
    } catch (...) {
        std::cout << "fatal: unknown exception" << std::endl;
        return 1;
    }
    return 0;
}
