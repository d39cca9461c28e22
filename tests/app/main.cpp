#include "app_fixture.h"

#include <gtest/gtest.h>

using namespace tk;

Window TheApp() {
    static const Window window = [] {
        const Window w = StartSelvaquin();
        ProbeProcessEvents();
        return w;
    }();
    return window;
}

void Command(WParam id) {
    PostCommand(TheApp(), id);
    ProbeProcessEvents();
}

int main(int argc, char** argv) {
    if (InitToolkit(argc, argv, "offscreen", {kFace}) != 0) return 1;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
