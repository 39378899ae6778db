#pragma once

// The play area is this many cells wide and as many high.
inline constexpr int GridCells = 19;
