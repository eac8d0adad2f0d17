#pragma once

#include <QString>

// Qt ends the process with abort() when its platform cannot start, as
// without a display. While a guard lives (around the construction of the
// application object) Qt's messages are held back: a fatal one gives way
// to one line on standard error saying that there is no display, or, when
// a display is named, to a line naming it and Qt's own messages, and the
// process exits with 1; the others are passed on when the guard ends.
class TDisplayGuard
{
public:
    explicit TDisplayGuard(const QString &programName);
    ~TDisplayGuard();
    TDisplayGuard(const TDisplayGuard &) = delete;
    TDisplayGuard &operator=(const TDisplayGuard &) = delete;
};
