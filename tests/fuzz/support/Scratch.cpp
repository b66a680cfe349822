#include "fuzz/support/Scratch.hpp"

namespace fuzz {

testsupport::TempFolder& scratch() {
    static testsupport::TempFolder folder;
    return folder;
}

std::filesystem::path writeInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    scratch().write(name, std::string(reinterpret_cast<const char*>(data), size));
    return scratch() / name;
}

} // namespace fuzz
