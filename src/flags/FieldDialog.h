#pragma once

#include "flags/FieldDefinition.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "&Field...": where a field lies in the word, its name and a table of
// its named values (number, name, description). OK keeps the dialog open,
// with a warning, while the definition is refused.
class TFieldDialog : public QDialog
{
    Q_OBJECT

public:
    TFieldDialog(QWidget *parent, const TFieldDefinition &initial);

    // Valid once the dialog is accepted.
    const TFieldDefinition &Definition() const { return m_definition; }

    // One more value row, filled with the texts.
    void AddValueRow(const TFieldValueTexts &texts);

    QSpinBox *SPN_FieldBit = nullptr;
    QSpinBox *SPN_FieldWidth = nullptr;
    QLineEdit *EDT_FieldName = nullptr;
    QTableWidget *GRD_FieldValues = nullptr;
    QPushButton *BTN_AddValue = nullptr;
    QPushButton *BTN_RemoveValue = nullptr;

    void accept() override;

private:
    QList<TFieldValueTexts> valueTexts() const;

    TFieldDefinition m_definition;
};
