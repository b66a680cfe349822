#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace fuzz {

// Deterministic damage to text documents: the same run number gives the same input on every
// machine. Each input is a corpus file changed one to four times by byte flips, truncations,
// cut and repeated ranges, splices from other corpus files, replaced numbers, values of another
// type, swapped words and deep nesting.
class Mutator {
public:
    explicit Mutator(std::vector<std::string> corpus);

    // Needs a non-empty corpus.
    std::string mutate(std::uint64_t run) const;

    // Numbers at and past the edges of the types readers convert to.
    static const std::vector<std::string>& edgeNumbers();

private:
    using Random = std::mt19937_64;

    void mutateOnce(std::string& text, Random& random) const;
    void replaceNumber(std::string& text, Random& random) const;
    void replaceValue(std::string& text, Random& random) const;
    void swapWord(std::string& text, Random& random) const;
    void splice(std::string& text, Random& random) const;
    void nest(std::string& text, Random& random) const;

    std::vector<std::string> corpus;
    // Identifiers found in the corpus: element, key, node and function names.
    std::vector<std::string> words;
};

} // namespace fuzz
