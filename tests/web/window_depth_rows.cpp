// The window's depth axis as the native build computes it (x87 extended
// arithmetic): reads one depth per line and prints its row and its pixel
// length. chart_geometry.test.js builds it from the window's own sources
// and compares every answer with the page's WebAssembly module.
#include <cstdio>
#include <cstdlib>

#include "axis_scale.h"

int main()
{
    morvane::AxisScale depthAxis;  // as the soil charts lay it out
    depthAxis.inverted = true;
    depthAxis.setPixelEnds(40, 385);
    depthAxis.setRange(0, 600);
    char line[64];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        const double depth = std::strtod(line, nullptr);
        std::printf("%d %d\n", depthAxis.pixelOf(depth), depthAxis.pixelLengthOf(depth));
    }
}
