// The loudspeaker symbols the loudspeaker pages draw beside their networks.
// Every box of a symbol is drawn round as four lines, so its corners are all set.
#pragma once

#include "toolkit/window.h"

// The cone driver whose magnet box has its top-left corner at (x, y): the
// 15 x 50 box, a black bar of nine lines, the double cone lines and the
// diaphragm, 40 pixels right of the box.
void DrawDriverSymbol(tk::Window window, int x, int y);
// The dome tweeter whose bracket opens at (x, y): two short arms, a bar of
// nine lines and the narrow diaphragm.
void DrawTweeterSymbol(tk::Window window, int x, int y);
