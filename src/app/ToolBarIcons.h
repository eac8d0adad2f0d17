#pragma once

#include <QIcon>
#include <QString>

// The picture of a tool bar action, drawn at 16 x 16 (and sharp at twice
// that size); an empty icon for actions without a picture.
QIcon ToolBarIcon(const QString &actionName);
