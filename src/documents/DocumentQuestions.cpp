#include "documents/DocumentQuestions.h"

#include <QRegularExpression>

MessageRequest SaveChangesQuestion(const QString &name)
{
    return {MessageKind::Confirmation, QStringLiteral("Änderungen in %1 speichern?").arg(name),
            {MessageButton::Yes, MessageButton::No, MessageButton::Cancel}, {}};
}

MessageRequest OverwriteChangedFileQuestion(const QString &name)
{
    return {MessageKind::Confirmation,
            QStringLiteral("Die Datei %1 wurde außerhalb von Tarvex geändert. Trotzdem überschreiben?").arg(name),
            {MessageButton::Yes, MessageButton::No}, {}};
}

MessageRequest DropChangesQuestion(const QString &name)
{
    return {MessageKind::Confirmation,
            QStringLiteral("Die Änderungen an %1 sind nicht gespeichert. Datei trotzdem neu laden?").arg(name),
            {MessageButton::Yes, MessageButton::No}, {}};
}

bool IsUnnamedDocument(const QString &name)
{
    static const QRegularExpression unnamed(QStringLiteral("^NONAME[0-9]+$"));
    return unnamed.match(name).hasMatch();
}
