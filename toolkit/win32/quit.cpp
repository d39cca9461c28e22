// The toolkit's PostQuitMessage. Kept apart from <windows.h>, whose function
// of the same name and arguments it hands the work to.

#include "toolkit/window.h"

namespace tk {
void PostPlatformQuit(int exitCode);
}

void PostQuitMessage(int exitCode) { tk::PostPlatformQuit(exitCode); }
