#pragma once

class QPlainTextEdit;
struct TDocumentMenus;

// Keeps "Cu&t" and "De&lete" enabled while the text area holds a selection,
// as the main window's cut command is, and "Select &all" while there is
// any text to select.
void FollowTextAreaForEditItems(const TDocumentMenus &menus, QPlainTextEdit *edit);
