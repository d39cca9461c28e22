// The frequency-to-offset mapping at the points of graph_offsets.txt: every
// breakpoint, the end of every segment, the worked values and the edges.
#include "calc/common/graph.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

TEST(GraphOffset, EachBreakpointTheEndOfEachSegmentAndTheEdgesOfTheGrid) {
    std::ifstream in(SELVAQUIN_TEST_DIR "/app/graph_offsets.txt");
    int points = 0;
    for (std::string line; std::getline(in, line);) {
        std::istringstream pairs(line.starts_with('#') ? "" : line);
        int offset = 0;
        for (std::string hertz; pairs >> hertz >> offset; ++points)
            EXPECT_EQ(FrequencyToGraphOffset(std::strtod(hertz.c_str(), nullptr)), offset)
                << hertz << " Hz";
    }
    EXPECT_GT(points, 90);  // the file was read
}
