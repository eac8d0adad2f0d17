#pragma once

#include <QCursor>
#include <QList>

// The platform's wait cursor over every window of the program while it
// lives; the cursor before it comes back when it ends, also by an exception.
class TBusyCursor
{
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;

private:
    bool m_set = false;
};

// Lifts every busy cursor while it lives, so a dialog shown in the middle
// of a command gets the normal cursor; the lifted ones come back after.
class TNormalCursor
{
public:
    TNormalCursor();
    ~TNormalCursor();
    TNormalCursor(const TNormalCursor &) = delete;
    TNormalCursor &operator=(const TNormalCursor &) = delete;

private:
    QList<QCursor> m_lifted; // the top of the stack first
};
