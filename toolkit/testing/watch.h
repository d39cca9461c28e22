// Inside the probe: what it watches through the toolkit's observer
// (toolkit/observer.h), which it installs as the process starts, before the
// main window is made: the texts and boxes drawn on every canvas and the
// commands posted to the main window. The same on every platform; the
// functions of probe.h that read it are defined beside it, so whatever uses
// them links the observer too.
#pragma once

namespace tk {

// Commands posted to the main window and not yet delivered.
int PendingCommands();

}  // namespace tk
