#pragma once

// Whether documents opened from now on keep their file's comments and
// layout; remembered in the program's settings between runs.
bool KeepLayoutChosen();
void ChooseKeepLayout(bool keep);
