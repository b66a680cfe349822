#include "fuzz/support/OwnErrors.hpp"

#include <array>
#include <cstdlib>
#include <iostream>

namespace fuzz {

void fault(const std::string& what) {
    std::cerr << "fuzz: finding: " << what << std::endl;
    std::abort();
}

bool isForeignText(std::string_view text) {
    static constexpr std::array<std::string_view, 16> marks = {"std::bad_alloc", "bad_array_new_length",
                                                               "vector::",       "basic_string",
                                                               "map::at",        "_M_",
                                                               "stoi",           "stol",
                                                               "stoul",          "stof",
                                                               "stod",           "bad_optional_access",
                                                               "bad_variant",    "bad_function_call",
                                                               "bad_any_cast",   "std::bad_cast"};
    for (std::string_view mark : marks)
        if (text.find(mark) != std::string_view::npos)
            return true;
    return false;
}

} // namespace fuzz
