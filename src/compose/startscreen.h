#pragma once

// Who opens what: the one place that knows both the start screen and the
// windows above it.

namespace velmora {

class FrmBegin;
struct Services;

// Makes the start screen's buttons open their windows; a button whose window
// is not there yet stays disabled.
void offerWindowsFromStartScreen(FrmBegin &begin, Services &services);

} // namespace velmora
