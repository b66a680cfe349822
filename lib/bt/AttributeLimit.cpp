#include "bt/AttributeLimit.hpp"

#include "bt/Exceptions.hpp"

#include <algorithm>
#include <string>

namespace bt {

namespace {

bool isNameEnd(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '/' || c == '>';
}

class Scanner {
public:
    Scanner(std::string_view text, std::size_t limit) : text(text), limit(limit) {}

    void run() {
        while (position < text.size()) {
            if (text[position] != '<') {
                advance(1);
            } else if (startsWith("<!--")) {
                skipPast("-->");
            } else if (startsWith("<![CDATA[")) {
                skipPast("]]>");
            } else if (startsWith("<?")) {
                skipPast("?>");
            } else if (startsWith("<!") || startsWith("</")) {
                skipPast(">");
            } else {
                startTag();
            }
        }
    }

private:
    bool startsWith(std::string_view prefix) const { return text.substr(position).starts_with(prefix); }

    void advance(std::size_t count) {
        const std::size_t end = std::min(text.size(), position + count);
        line += static_cast<std::size_t>(std::count(text.begin() + position, text.begin() + end, '\n'));
        position = end;
    }

    void skipPast(std::string_view end) {
        const std::size_t found = text.find(end, position);
        advance(found == std::string_view::npos ? text.size() : found - position + end.size());
    }

    // Every attribute has one '=' outside the quotes of the values.
    void startTag() {
        const std::size_t tagLine = line;
        advance(1);
        const std::size_t nameStart = position;
        while (position < text.size() && !isNameEnd(text[position]))
            advance(1);
        const std::string_view name = text.substr(nameStart, position - nameStart);
        std::size_t attributes = 0;
        char quote = 0;
        while (position < text.size()) {
            const char c = text[position];
            advance(1);
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                return;
            } else if (c == '=' && ++attributes > limit) {
                throw RuntimeError("element <", name, "> at line ", tagLine, " has more than ", limit,
                                   " attributes");
            }
        }
    }

    std::string_view text;
    std::size_t limit;
    std::size_t position = 0;
    std::size_t line = 1;
};

} // namespace

void checkAttributeCounts(std::string_view text, std::size_t limit) {
    Scanner(text, limit).run();
}

} // namespace bt
