#pragma once

#include <QProcessEnvironment>

// Some things can only be seen on a real X server (window properties, the
// desktop's accessibility bus). Such a test runs itself again in a copy of
// the test program on a virtual X server of its own (xvfb-run, xcb
// platform) and passes when the copy passes; it is skipped only where no X
// server, or no session bus when one is asked for, can start.

// Whether this process is that copy.
bool OnVirtualDisplay();

// Runs the current test in the copy, with `environment` added to this
// process's, inside a session bus of its own (dbus-run-session) when
// `ownSessionBus`, and reports the copy's failures as this test's.
void RunCurrentTestOnVirtualDisplay(const QProcessEnvironment &environment = {}, bool ownSessionBus = false);
