// A session over a screen held in memory (ports/memory_screen.h), for the
// command-line tool, the benchmarks and the tests: the screen's ports, and
// its controls' events wired to the session the way the windows wire them
// (typing, timer ticks, list and tree selection).  User-interface thread only.
#pragma once

#include "ports/memory_screen.h"
#include "shell/session.h"

namespace mivrel {

class Clock;
class Ui;

// The screen's ports with `ui` and `clock`; all borrowed.
SessionPorts MemoryPorts(MemoryScreen& screen, Ui& ui, Clock& clock);
// Wires the screen's control events to `session`; call after it is built.
void WireMemoryScreen(MemoryScreen& screen, Session& session);

}  // namespace mivrel
