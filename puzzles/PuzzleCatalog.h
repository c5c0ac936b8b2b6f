#pragma once

#include "basPuzzles.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace basPuzzles {

struct CatalogItem {
    std::string_view FirstDefinition;
    std::string_view SecondDefinition;
    std::string_view Answer;
    std::int16_t MarkedPosition = 0;
};

// Items are in slot order, so Items[k - 1] is slot k.
struct CatalogPuzzle {
    std::array<CatalogItem, 5> Items;
    std::string_view FinalClue;
    std::string_view FinalAnswer;
};

// Puzzle n is PuzzleCatalog[n - 1]. Plain ASCII throughout.
extern const std::array<CatalogPuzzle, CatalogSize> PuzzleCatalog;

} // namespace basPuzzles
