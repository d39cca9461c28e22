// The falling response sketch shared by the RC Zobel and Thiele pages.

#include "falling_response.h"

#include "screen.h"

namespace {

constexpr Wire kSketch[] = {
    {650, 275, 770, 275},
    {770, 275, 780, 277},
    {780, 277, 784, 280},
    {784, 280, 955, 400},
};

}  // namespace

void DrawFallingResponse(Window window) { DrawWires(window, kSketch); }
