#!/usr/bin/python3
"""A screen reader's road through AT-SPI: find the bit table of the program
PID, read the row NAME and its tick, toggle it, read the word from the footer.
Usage: tick_named_bit.py PID NAME"""
import sys
import time

import pyatspi

NAME_COLUMN = 2


def descendants(accessible):
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield child
            if child.getRole() != pyatspi.ROLE_TABLE:
                yield from descendants(child)


# A window just shown reaches the desktop's tree a moment later.
def bit_table(pid):
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.get_process_id() == pid:
                for accessible in descendants(application):
                    if accessible.getRole() == pyatspi.ROLE_TABLE and accessible.name == "Bits":
                        return accessible
        time.sleep(0.2)
    sys.exit("no bit table in the program's accessible tree")


def main():
    pid, name = int(sys.argv[1]), sys.argv[2]
    table = bit_table(pid).queryTable()
    row = next(row for row in range(table.nRows) if table.getAccessibleAt(row, NAME_COLUMN).name == name)
    tick = table.getAccessibleAt(row, 0)
    for toggles in (False, True):
        if toggles:
            action = tick.queryAction()
            action.doAction(next(i for i in range(action.nActions) if action.getName(i).lower() == "toggle"))
        print(f"row {row} {name}:", "ticked" if tick.getState().contains(pyatspi.STATE_CHECKED) else "not ticked")
    print("footer:", table.summary.name)


main()
