#include "ActivePuzzle.h"

namespace basPuzzles {

PuzzleRecord ActivePuzzle;

} // namespace basPuzzles
