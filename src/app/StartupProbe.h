#pragma once

// A measuring aid for the start-up benchmark (bench/startup). When the environment variable
// VOCAMIR_STARTUP_PROBE is set, the running program writes to standard output the wall-clock
// time at which the main window first painted its Russian grid with the dictionary's rows (none
// for an empty dictionary), then types two letters into the Russian search box as a user would,
// writes how long each keystroke took, and ends the process at once (no closing handlers run,
// nothing is written to disk). Without the variable nothing happens.

class TFormSelect;

namespace app {

// Arms the probe on the main window, before it is shown, when the variable is set. The window must
// outlive the event loop.
void ArmStartupProbe(TFormSelect& window);

}  // namespace app
