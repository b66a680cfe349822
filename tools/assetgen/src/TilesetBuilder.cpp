#include "tools/assetgen/src/TilesetBuilder.hpp"

#include "tools/assetgen/src/Canvas.hpp"
#include "tools/assetgen/src/EdgeConfig.hpp"
#include "tools/assetgen/src/GroundPainter.hpp"
#include "tools/assetgen/src/TransitionPainter.hpp"

#include <functional>
#include <string>

namespace assetgen {

namespace {

constexpr int kTile = TilesetBuilder::kTile;
constexpr int kFrames = GroundPainter::kWaterFrames;

struct Cell {
    int col;
    int row;
};

// Fixed places: the built-in tiles point at the first seven; the rest are ours.
constexpr Cell kGrass{2, 0};
constexpr Cell kDirt{3, 0};
constexpr Cell kSand{4, 0};
constexpr Cell kWetSand{5, 0};
constexpr Cell kMossyStones{6, 0};
constexpr Cell kPebbleDirt{7, 0};
constexpr Cell kSandyGrass{8, 0};
constexpr Cell kReedGrass{9, 0};
constexpr Cell kDeep[kFrames] = {{2, 1}, {6, 1}, {7, 1}, {8, 1}};
constexpr Cell kShallow[kFrames] = {{3, 1}, {13, 1}, {14, 1}, {15, 1}};
constexpr Cell kOpenSea[kFrames] = {{9, 1}, {10, 1}, {11, 1}, {12, 1}};
constexpr Cell kStones{4, 1};
constexpr Cell kPlanks{5, 1};

// First row of each overlay set; a set takes two rows per frame.
constexpr int kGrassEdgeRow = 2;
constexpr int kDirtEdgeRow = 4;
constexpr int kStonesEdgeRow = 6;
constexpr int kShallowEdgeRow = 8;
constexpr int kDeepEdgeRow = 16;

sf::IntRect rectOf(Cell c) {
    return {c.col * kTile, c.row * kTile, kTile, kTile};
}

Canvas canvasAt(sf::Image& sheet, Cell c) {
    return Canvas(sheet, c.col * kTile, c.row * kTile, kTile, kTile, true);
}

Look still(Cell c) {
    return {{rectOf(c), 0}};
}

Look animated(const Cell (&cells)[kFrames]) {
    Look look;
    for (const auto& c : cells) {
        look.push_back({rectOf(c), TilesetBuilder::kWaterFrameMs});
    }
    return look;
}

// Patterns that hold when any of the listed neighbourhood cells holds one of the ids.
std::vector<Pattern> anyNeighbour(std::initializer_list<int> cells, std::initializer_list<const char*> ids) {
    std::vector<Pattern> patterns;
    for (const char* id : ids) {
        for (int k : cells) {
            Pattern p;
            p.fill("?");
            p[static_cast<std::size_t>(k)] = id;
            patterns.push_back(p);
        }
    }
    return patterns;
}

const std::initializer_list<int> kSides = {1, 3, 5, 7};
const std::initializer_list<int> kAround = {0, 1, 2, 3, 5, 6, 7, 8};

// Paints the 46 overlay pieces of one higher tile (per frame) and returns its transition rules.
std::vector<LookRule> paintEdges(sf::Image& sheet, int firstRow, int frames, EdgeStyle style,
                                 const std::function<Cell(int)>& sourceOfFrame) {
    const auto configs = EdgeConfig::all();
    std::vector<LookRule> rules;
    for (std::size_t i = 0; i < configs.size(); ++i) {
        LookRule rule;
        rule.patterns.push_back(configs[i].pattern());
        for (int f = 0; f < frames; ++f) {
            const Cell cell{static_cast<int>(i) % TilesetBuilder::kColumns,
                            firstRow + f * 2 + static_cast<int>(i) / TilesetBuilder::kColumns};
            Canvas target = canvasAt(sheet, cell);
            const Canvas source = canvasAt(sheet, sourceOfFrame(f));
            TransitionPainter::paint(target, source, configs[i], style, f);
            rule.look.push_back({rectOf(cell), frames > 1 ? TilesetBuilder::kWaterFrameMs : 0});
        }
        rules.push_back(std::move(rule));
    }
    return rules;
}

void paintGround(sf::Image& sheet) {
    auto paint = [&](Cell c, const std::function<void(Canvas&)>& painter) {
        Canvas canvas = canvasAt(sheet, c);
        painter(canvas);
    };
    paint(kGrass, GroundPainter::grass);
    paint(kSandyGrass, GroundPainter::sandyGrass);
    paint(kReedGrass, GroundPainter::reedGrass);
    paint(kDirt, GroundPainter::dirt);
    paint(kPebbleDirt, GroundPainter::pebbleDirt);
    paint(kSand, GroundPainter::sand);
    paint(kWetSand, GroundPainter::wetSand);
    paint(kStones, GroundPainter::stones);
    paint(kMossyStones, GroundPainter::mossyStones);
    paint(kPlanks, GroundPainter::planks);
    for (int f = 0; f < kFrames; ++f) {
        paint(kShallow[f], [f](Canvas& c) { GroundPainter::shallowWater(c, f); });
        paint(kDeep[f], [f](Canvas& c) { GroundPainter::deepWater(c, f); });
        paint(kOpenSea[f], [f](Canvas& c) { GroundPainter::openSea(c, f); });
    }
}

} // namespace

TilesetBuilder::Result TilesetBuilder::build() {
    Result result;
    result.sheet.create(kColumns * kTile, kRows * kTile, sf::Color::Transparent);
    sf::Image& sheet = result.sheet;
    paintGround(sheet);

    auto& tiles = result.tiles;

    TileDefinition sand{"SAND", "Sand", {"ground", "beach"}, still(kSand), {}, 0, {}};
    sand.variants.push_back({anyNeighbour(kAround, {"WATER_LOW", "WATER_DEEP"}), still(kWetSand)});
    tiles.push_back(sand);

    TileDefinition dirt{"DIRT", "Dirt", {"ground"}, still(kDirt), {}, 2, {}};
    dirt.variants.push_back({anyNeighbour(kSides, {"STONES_SMOOTH"}), still(kPebbleDirt)});
    dirt.transitions = paintEdges(sheet, kDirtEdgeRow, 1, EdgeStyle::Dirt, [](int) { return kDirt; });
    tiles.push_back(dirt);

    TileDefinition grass{"GRASS", "Grass", {"ground", "vegetation"}, still(kGrass), {}, 1, {}};
    grass.variants.push_back({anyNeighbour(kSides, {"WATER_LOW"}), still(kReedGrass)});
    grass.variants.push_back({anyNeighbour(kSides, {"SAND"}), still(kSandyGrass)});
    grass.transitions = paintEdges(sheet, kGrassEdgeRow, 1, EdgeStyle::Grass, [](int) { return kGrass; });
    tiles.push_back(grass);

    TileDefinition stones{"STONES_SMOOTH", "Smooth stones", {"ground", "rock"}, still(kStones), {}, 3, {}};
    stones.variants.push_back({anyNeighbour(kSides, {"GRASS"}), still(kMossyStones)});
    stones.transitions = paintEdges(sheet, kStonesEdgeRow, 1, EdgeStyle::Stones, [](int) { return kStones; });
    tiles.push_back(stones);

    // Boards laid over the ground for paths; they cover what lies below without edges.
    TileDefinition planks{"PLANKS", "Wooden planks", {"ground", "path"}, still(kPlanks), {}, 0, {}};
    tiles.push_back(planks);

    TileDefinition shallow{"WATER_LOW", "Shallow water", {"water"}, animated(kShallow), {}, 4, {}};
    shallow.transitions = paintEdges(sheet, kShallowEdgeRow, kFrames, EdgeStyle::ShallowWater,
                                     [](int f) { return kShallow[f]; });
    tiles.push_back(shallow);

    TileDefinition deep{"WATER_DEEP", "Deep water", {"water"}, animated(kDeep), {}, 5, {}};
    Pattern surrounded;
    surrounded.fill("X");
    surrounded[4] = "?";
    deep.variants.push_back({{surrounded}, animated(kOpenSea)});
    deep.transitions =
        paintEdges(sheet, kDeepEdgeRow, kFrames, EdgeStyle::DeepWater, [](int f) { return kDeep[f]; });
    tiles.push_back(deep);

    return result;
}

} // namespace assetgen
