#pragma once

#include "grid/ColumnPart.h"

// The header cell of a column; its colour defaults to the button face.
class TColumnHeader : public TColumnPart
{
public:
    explicit TColumnHeader(TCustomGridColumn &AColumn);

    bool HideArrow() const { return m_hideArrow; }
    void SetHideArrow(bool Value);
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool Value);
    THeaderOrientation Orientation() const { return m_orientation; }
    void SetOrientation(THeaderOrientation Value);

private:
    bool m_hideArrow = true;
    bool m_multiLine = false;
    THeaderOrientation m_orientation = hoHorizontal;
};
