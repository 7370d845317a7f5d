#pragma once

namespace k9r {

// `k9r print ...`: hands the arguments to k9r-print, the Qt program beside
// k9r that draws the window, so that k9r itself stays free of Qt. Returns
// only when k9r-print could not be started.
int RunPrintCommand(int argc, char** argv);

}  // namespace k9r
