#pragma once

#include "documents/CHILDWINIni.h"

#include <QMainWindow>
#include <QPointer>

class QMdiArea;

// A small main window around one document, placed as the application
// places it: in an MDI area, with the document's menus in the menu bar.
class DocumentHost
{
public:
    DocumentHost();

    // Creates the document titled `name` and loads the file of that name if it
    // exists; a failure is reported as any command's failure is.
    TMDIChild *open(const QString &name);
    TMDIChild *document() const { return m_document; }
    QAction *item(const QString &objectName) const;
    void choose(const QString &objectName) const; // the menu item
    void closeDocument(); // as the close box, finished deletion included
    void activate();      // makes the window the active one, so shortcuts reach it

    QMainWindow window;
    QMdiArea *area;

private:
    QPointer<TMDIChild> m_document;
};
