#pragma once

class QComboBox;

// The two kinds of combo box of the flag editor's top strip. In both,
// leaving the box or pressing Enter chooses no item.

// Free text: typed text stays as typed (no completion, never added to the
// list), and typing leaves no item selected, so only a text chosen from
// the list counts as a selected item; Ctrl+Z undoes the typing.
void MakeFreeTextComboBox(QComboBox *combo);

// Choice only: its text changes by choosing an item or by the program;
// every character typed into it, Backspace and control characters
// included, is discarded.
void MakeChoiceOnlyComboBox(QComboBox *combo);
