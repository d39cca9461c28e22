// Program entry: open the window and run the message loop.

#include "app/main_window.h"
#include "calc/common/shell.h"
#include "toolkit/window.h"

int main(int argc, char** argv) {
    if (tk::InitToolkit(argc, argv, nullptr, {kFace}) != 0) return 1;
    if (StartSelvaquin() == nullptr) return 1;
    return tk::RunMessageLoop();
}
