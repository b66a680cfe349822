// Builds the game file the game ships with (app/content/test_entities_save.json) from the real
// world generators, entity factories and content, and the story's layout:
//   gamefile <folder holding data/> <layout.json> <output file>
// The output depends only on the code, the content and the layout (fixed seed, sorted keys), so
// the committed file can always be rebuilt and compared.

#include "app/root/GameContent.hpp"
#include "tools/gamefile/src/GameFileBuilder.hpp"
#include "tools/gamefile/src/StoryLayout.hpp"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: gamefile <folder holding data/> <layout.json> <output file>\n";
        return 2;
    }
    try {
        const std::filesystem::path layoutFile = std::filesystem::absolute(argv[2]);
        const std::filesystem::path outputFile = std::filesystem::absolute(argv[3]);
        gamefile::StoryLayout layout = gamefile::StoryLayout::load(layoutFile);
        // The content is read from "./data", as the game reads it.
        std::filesystem::current_path(argv[1]);
        tarsk::GameContent content(false, layout.seed);
        content.load();
        const nlohmann::json document = gamefile::GameFileBuilder(content, std::move(layout)).build();
        std::ofstream out(outputFile, std::ios::trunc);
        if (!out)
            throw std::runtime_error("cannot write " + outputFile.string());
        // As the game's own saver writes it.
        out << document.dump(4) << '\n';
        if (!out)
            throw std::runtime_error("cannot write " + outputFile.string());
    } catch (const std::exception& error) {
        std::cerr << "gamefile: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
