#pragma once

#include <QAccessible>

// Installs, once per widget class, the factory that gives each widget of
// that class the accessible interface `Accessible(widget)`.
template <class Widget, class Accessible>
void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className != QLatin1String(Widget::staticMetaObject.className()))
                return nullptr;
            auto *widget = qobject_cast<Widget *>(object);
            return widget ? new Accessible(widget) : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}
