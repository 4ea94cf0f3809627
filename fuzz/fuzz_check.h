// What the fuzz targets share: stopping at once (as a finding) when a
// property of the code under test does not hold.
#pragma once

inline void require(bool condition) {
    if (!condition)
        __builtin_trap();
}
