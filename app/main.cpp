#include "app/root/BaseGameState.hpp"

#include <exception>
#include <iostream>

int main() {
    try {
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
