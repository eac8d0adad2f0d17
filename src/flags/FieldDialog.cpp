#include "flags/FieldDialog.h"

#include "platform/Desktop.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum ValueColumn { NumberColumn, NameColumn, DescriptionColumn };

QSpinBox *spinBox(QWidget *parent, const QString &name, int minimum, int maximum, int value)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

} // namespace

TFieldDialog::TFieldDialog(QWidget *parent, const TFieldDefinition &initial)
    : QDialog(parent)
    , m_definition(initial)
{
    setObjectName(QStringLiteral("FieldDialog"));
    setWindowTitle(QStringLiteral("Field"));
    SPN_FieldBit = spinBox(this, QStringLiteral("SPN_FieldBit"), 0, 30, initial.run.lowestBit);
    SPN_FieldWidth = spinBox(this, QStringLiteral("SPN_FieldWidth"), 2, 32, initial.run.width);
    EDT_FieldName = new QLineEdit(initial.name, this);
    EDT_FieldName->setObjectName(QStringLiteral("EDT_FieldName"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Lowest bit"), SPN_FieldBit);
    form->addRow(QStringLiteral("Width (bits)"), SPN_FieldWidth);
    form->addRow(QStringLiteral("Name"), EDT_FieldName);

    GRD_FieldValues = new QTableWidget(0, 3, this);
    GRD_FieldValues->setObjectName(QStringLiteral("GRD_FieldValues"));
    GRD_FieldValues->setHorizontalHeaderLabels({QStringLiteral("Value"), QStringLiteral("Name"), QStringLiteral("Used for")});
    GRD_FieldValues->horizontalHeader()->setStretchLastSection(true);
    GRD_FieldValues->verticalHeader()->hide();
    for (const TFieldValue &value : initial.values)
        AddValueRow({QString::number(value.number), value.name, value.description});

    BTN_AddValue = new QPushButton(QStringLiteral("&Add value"), this);
    BTN_AddValue->setObjectName(QStringLiteral("BTN_AddValue"));
    BTN_RemoveValue = new QPushButton(QStringLiteral("&Remove value"), this);
    BTN_RemoveValue->setObjectName(QStringLiteral("BTN_RemoveValue"));
    connect(BTN_AddValue, &QPushButton::clicked, this, [this] {
        AddValueRow({QString::number(GRD_FieldValues->rowCount()), QString(), QString()});
        GRD_FieldValues->setCurrentCell(GRD_FieldValues->rowCount() - 1, NameColumn);
    });
    connect(BTN_RemoveValue, &QPushButton::clicked, this, [this] {
        if (GRD_FieldValues->currentRow() >= 0)
            GRD_FieldValues->removeRow(GRD_FieldValues->currentRow());
    });
    auto *valueButtons = new QHBoxLayout;
    valueButtons->addWidget(BTN_AddValue);
    valueButtons->addWidget(BTN_RemoveValue);
    valueButtons->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFieldDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFieldDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(GRD_FieldValues, 1);
    layout->addLayout(valueButtons);
    layout->addWidget(buttons);
    resize(460, 360);
}

void TFieldDialog::AddValueRow(const TFieldValueTexts &texts)
{
    const int row = GRD_FieldValues->rowCount();
    GRD_FieldValues->insertRow(row);
    GRD_FieldValues->setItem(row, NumberColumn, new QTableWidgetItem(texts.number));
    GRD_FieldValues->setItem(row, NameColumn, new QTableWidgetItem(texts.name));
    GRD_FieldValues->setItem(row, DescriptionColumn, new QTableWidgetItem(texts.description));
}

QList<TFieldValueTexts> TFieldDialog::valueTexts() const
{
    const auto text = [this](int row, int column) {
        const QTableWidgetItem *item = GRD_FieldValues->item(row, column);
        return item ? item->text() : QString();
    };
    QList<TFieldValueTexts> rows;
    for (int row = 0; row < GRD_FieldValues->rowCount(); ++row)
        rows << TFieldValueTexts{text(row, NumberColumn), text(row, NameColumn), text(row, DescriptionColumn)};
    return rows;
}

void TFieldDialog::accept()
{
    const auto read = ReadFieldDefinition({SPN_FieldBit->value(), SPN_FieldWidth->value()}, EDT_FieldName->text(),
                                          valueTexts());
    if (const QString *problem = std::get_if<QString>(&read)) {
        desktop().message(this, {MessageKind::Warning, *problem, {MessageButton::Ok}, {}});
        return;
    }
    m_definition = std::get<TFieldDefinition>(read);
    QDialog::accept();
}
