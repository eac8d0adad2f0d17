#!/usr/bin/python3
"""An AT-SPI client, as a screen reader is one: in the program with the given
process id, it finds the bit table, reads the row with the given name and its
tick, ticks it through the cell's toggle action and reads the word from the
table's footer. Usage: tick_named_bit.py PID NAME"""
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


def find_bit_table(pid):
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.get_process_id() == pid:
            for accessible in descendants(application):
                if accessible.getRole() == pyatspi.ROLE_TABLE and accessible.name == "Bits":
                    return accessible
    return None


# A window just shown reaches the desktop's tree a moment later.
def bit_table(pid):
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        table = find_bit_table(pid)
        if table is not None:
            return table
        time.sleep(0.2)
    sys.exit("no bit table in the program's accessible tree")


def main():
    pid, name = int(sys.argv[1]), sys.argv[2]
    table = bit_table(pid).queryTable()
    print("columns:", ", ".join(table.getColumnDescription(column) for column in range(table.nColumns)))
    row = next(row for row in range(table.nRows) if table.getAccessibleAt(row, NAME_COLUMN).name == name)
    tick = table.getAccessibleAt(row, 0)
    print(f"row {row} {name}:", "ticked" if tick.getState().contains(pyatspi.STATE_CHECKED) else "not ticked")
    action = tick.queryAction()
    toggle = next(index for index in range(action.nActions) if action.getName(index).lower() == "toggle")
    action.doAction(toggle)
    print(f"row {row} {name}:", "ticked" if tick.getState().contains(pyatspi.STATE_CHECKED) else "not ticked")
    print("footer:", table.summary.name)


main()
