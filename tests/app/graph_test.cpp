// The frequency-to-offset mapping at the points of graph_offsets.txt: every
// breakpoint, the end of every segment, the worked values and the edges.
#include "calc/common/graph.h"
#include "calc/loudspeaker/notch_filter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

// The notch's depth is the number of R1 thresholds above R1: 73 listed
// values, 0.12 to 0.70 among them in steps of 0.02. A value equal to a
// threshold reaches it.
TEST(NotchDepth, AtAndJustBelowEveryThreshold) {
    std::vector<double> thresholds{0.0006, 0.0007, 0.0008, 0.0009, 0.001, 0.002, 0.004,
                                   0.006,  0.008,  0.02,   0.04,   0.06,  0.08,  0.1};
    for (int step = 12; step <= 70; step += 2) thresholds.push_back(step / 100.0);
    thresholds.insert(thresholds.end(), {0.73, 0.76, 0.79, 0.8, 0.9,  1.0,  1.3,  1.4,  1.5, 1.6,
                                         1.7,  1.8,  1.9,  2.0, 2.3,  2.6,  2.9,  3.0,  3.2, 3.5,
                                         4.0,  5.0,  6.0,  7.0, 10.0, 12.0, 17.0, 19.0, 30.0});
    ASSERT_EQ(thresholds.size(), 73u);
    for (int i = 0; i < 73; ++i) {
        EXPECT_EQ(NotchDepth(thresholds[i]), 72 - i) << thresholds[i];
        EXPECT_EQ(NotchDepth(std::nextafter(thresholds[i], 0.0)), 73 - i) << thresholds[i];
    }
    EXPECT_EQ(NotchDepth(std::nan("")), 73);
}
