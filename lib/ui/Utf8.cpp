#include "ui/Utf8.hpp"

namespace ui {

namespace {

constexpr char32_t replacement = 0xFFFD;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0u) == 0x80u;
}

} // namespace

std::string toUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = replacement;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u32string fromUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if ((lead & 0xE0u) == 0xC0u) {
            length = 2;
            c = lead & 0x1Fu;
            minimum = 0x80;
        } else if ((lead & 0xF0u) == 0xE0u) {
            length = 3;
            c = lead & 0x0Fu;
            minimum = 0x800;
        } else if ((lead & 0xF8u) == 0xF0u) {
            length = 4;
            c = lead & 0x07u;
            minimum = 0x10000;
        } else {
            out += replacement;
            ++i;
            continue;
        }
        std::size_t consumed = 1;
        while (consumed < length && i + consumed < text.size() &&
               isContinuation(static_cast<unsigned char>(text[i + consumed]))) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + consumed]) & 0x3Fu);
            ++consumed;
        }
        // Truncated sequences, overlong forms, surrogates and values past U+10FFFF are all invalid.
        if (consumed < length || c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = replacement;
        out += c;
        i += consumed;
    }
    return out;
}

sf::String toSfString(std::u32string_view text) {
    return sf::String::fromUtf32(text.begin(), text.end());
}

} // namespace ui
