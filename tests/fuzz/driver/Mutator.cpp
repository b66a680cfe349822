#include "fuzz/driver/Mutator.hpp"

#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>

namespace fuzz {

namespace {

std::size_t below(std::size_t end, std::mt19937_64& random) {
    return end == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, end - 1)(random);
}

template <class T>
const T& pick(const std::vector<T>& from, std::mt19937_64& random) {
    return from[below(from.size(), random)];
}

bool isWordStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool isWordPart(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool isNumberPart(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == 'e' || c == 'E' || c == '+' ||
           c == '-';
}

std::vector<std::string> wordsOf(const std::vector<std::string>& corpus) {
    std::set<std::string> found;
    for (const std::string& text : corpus) {
        for (std::size_t i = 0; i < text.size();) {
            if (!isWordStart(text[i])) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < text.size() && isWordPart(text[end]))
                ++end;
            found.insert(text.substr(i, end - i));
            i = end;
        }
    }
    return {found.begin(), found.end()};
}

// Where the JSON value starting at begin ends, counting brackets but not those inside strings.
std::size_t endOfValue(const std::string& text, std::size_t begin) {
    if (begin >= text.size())
        return begin;
    const char first = text[begin];
    if (first == '"') {
        std::size_t i = begin + 1;
        while (i < text.size() && text[i] != '"')
            i += text[i] == '\\' ? 2 : 1;
        return std::min(i + 1, text.size());
    }
    if (first == '[' || first == '{') {
        int depth = 0;
        bool inString = false;
        for (std::size_t i = begin; i < text.size(); ++i) {
            const char c = text[i];
            if (inString) {
                if (c == '\\')
                    ++i;
                else if (c == '"')
                    inString = false;
            } else if (c == '"') {
                inString = true;
            } else if (c == '[' || c == '{') {
                ++depth;
            } else if ((c == ']' || c == '}') && --depth == 0) {
                return i + 1;
            }
        }
        return text.size();
    }
    std::size_t i = begin;
    while (i < text.size() && text[i] != ',' && text[i] != '}' && text[i] != ']' &&
           !std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    return i;
}

} // namespace

Mutator::Mutator(std::vector<std::string> corpus) : corpus(std::move(corpus)), words(wordsOf(this->corpus)) {}

const std::vector<std::string>& Mutator::edgeNumbers() {
    static const std::vector<std::string> numbers = {"0",
                                                     "-0",
                                                     "-1",
                                                     "1e309",
                                                     "-1e309",
                                                     "3.4028235e38",
                                                     "3.5e38",
                                                     "-3.5e38",
                                                     "1e39",
                                                     "1e-46",
                                                     "2147483647",
                                                     "2147483648",
                                                     "-2147483649",
                                                     "4294967295",
                                                     "4294967296",
                                                     "9223372036854775807",
                                                     "9223372036854775808",
                                                     "-9223372036854775809",
                                                     "18446744073709551616",
                                                     "1e19",
                                                     "255",
                                                     "256",
                                                     "65535",
                                                     "65536",
                                                     "1e10",
                                                     "0.5",
                                                     "-0.5",
                                                     "1e300",
                                                     "-1e300",
                                                     "1e-320",
                                                     "NaN",
                                                     "Infinity",
                                                     "-Infinity",
                                                     "0/0",
                                                     "2^63",
                                                     "123456789012345678901234567890"};
    return numbers;
}

std::string Mutator::mutate(std::uint64_t run) const {
    if (corpus.empty())
        throw std::logic_error("no corpus to mutate");
    Random random(0x9e3779b97f4a7c15ULL ^ (run * 0xbf58476d1ce4e5b9ULL));
    std::string text = pick(corpus, random);
    const std::size_t steps = 1 + below(4, random);
    for (std::size_t step = 0; step < steps; ++step)
        mutateOnce(text, random);
    return text;
}

void Mutator::mutateOnce(std::string& text, Random& random) const {
    static const char byteList[] = "{}[]\",:.-+0123456789eE \n\\/<>=&'\0\x7f\xc3\xff";
    static const std::string bytes(byteList, sizeof byteList - 1);
    switch (below(10, random)) {
    case 0:
        if (!text.empty())
            text[below(text.size(), random)] ^= static_cast<char>(1u << below(8, random));
        break;
    case 1:
        if (!text.empty())
            text[below(text.size(), random)] = bytes[below(bytes.size(), random)];
        break;
    case 2:
        text.resize(below(text.size() + 1, random));
        break;
    case 3: {
        const std::size_t begin = below(text.size() + 1, random);
        text.erase(begin, below(std::min<std::size_t>(text.size() - begin, 64) + 1, random));
        break;
    }
    case 4: {
        const std::size_t begin = below(text.size() + 1, random);
        const std::string range = text.substr(begin, below(64, random));
        text.insert(below(text.size() + 1, random), range);
        break;
    }
    case 5:
        splice(text, random);
        break;
    case 6:
    case 7:
        replaceNumber(text, random);
        break;
    case 8:
        below(2, random) ? replaceValue(text, random) : swapWord(text, random);
        break;
    default:
        nest(text, random);
        break;
    }
}

void Mutator::replaceNumber(std::string& text, Random& random) const {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])) && (i == 0 || !isNumberPart(text[i - 1])))
            starts.push_back(i > 0 && text[i - 1] == '-' ? i - 1 : i);
    }
    const std::string& number = pick(edgeNumbers(), random);
    if (starts.empty()) {
        text.insert(below(text.size() + 1, random), number);
        return;
    }
    const std::size_t begin = pick(starts, random);
    std::size_t end = begin + 1;
    while (end < text.size() && isNumberPart(text[end]))
        ++end;
    text.replace(begin, end - begin, number);
}

void Mutator::replaceValue(std::string& text, Random& random) const {
    static const std::vector<std::string> values = {"null", "true",    "false",       "\"\"", "\"x\"",  "[]",
                                                    "{}",   "[1e999]", "{\"\":null}", "-1",   "[[],[]]"};
    std::vector<std::size_t> colons;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ':' || text[i] == ',' || text[i] == '[')
            colons.push_back(i);
    }
    if (colons.empty())
        return;
    std::size_t begin = pick(colons, random) + 1;
    while (begin < text.size() && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    text.replace(begin, endOfValue(text, begin) - begin, pick(values, random));
}

void Mutator::swapWord(std::string& text, Random& random) const {
    if (words.empty())
        return;
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (std::size_t i = 0; i < text.size();) {
        if (!isWordStart(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isWordPart(text[end]))
            ++end;
        spans.emplace_back(i, end - i);
        i = end;
    }
    if (spans.empty())
        return;
    const auto [begin, length] = pick(spans, random);
    text.replace(begin, length, pick(words, random));
}

void Mutator::splice(std::string& text, Random& random) const {
    const std::string& other = pick(corpus, random);
    const std::size_t from = below(other.size() + 1, random);
    const std::string piece = other.substr(from, below(512, random));
    const std::size_t at = below(text.size() + 1, random);
    if (below(2, random))
        text.replace(at, below(text.size() - at + 1, random), piece);
    else
        text.insert(at, piece);
}

void Mutator::nest(std::string& text, Random& random) const {
    static const std::vector<std::size_t> depths = {255, 256, 257, 300, 5000, 100000};
    const std::size_t depth = pick(depths, random);
    const char open = below(2, random) ? '[' : '{';
    const std::string opening = open == '[' ? "[" : "{\"a\":";
    std::string deep;
    for (std::size_t i = 0; i < depth; ++i)
        deep += opening;
    if (below(2, random))
        deep += (open == '[' ? "" : "0") + std::string(depth, open == '[' ? ']' : '}');
    text.insert(below(text.size() + 1, random), deep);
}

} // namespace fuzz
