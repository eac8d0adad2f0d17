#pragma once

#include <QProcessEnvironment>

// A test of what only a real X server shows runs itself again in a copy of
// the test program on a virtual X server (xvfb-run, xcb platform); it is
// skipped only where the tools are missing or no X server or bus can start.

// Whether this process is that copy.
bool OnVirtualDisplay();

// Runs the current test in the copy, with `environment` added to this
// process's, inside a session bus of its own (dbus-run-session) when
// `ownSessionBus`, and reports the copy's failures as this test's.
void RunCurrentTestOnVirtualDisplay(const QProcessEnvironment &environment = {}, bool ownSessionBus = false);
