#include "controls/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

QDialogButtonBox* AcceptOrCancel(QDialog& dialog, const QString& action)
{
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(action, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

void AddLabelledRow(QFormLayout& form, const QString& label, QWidget* field)
{
    auto* name = new QLabel(label, field->parentWidget());
    name->setBuddy(field);
    form.addRow(name, field);
}
