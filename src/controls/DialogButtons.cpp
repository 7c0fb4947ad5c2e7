#include "controls/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

QDialogButtonBox* AcceptOrCancel(QDialog& dialog, const QString& action, const QString& cancel)
{
    auto* button = new QPushButton(action, &dialog);
    button->setDefault(true);
    return AcceptOrCancel(dialog, button, cancel);
}

QDialogButtonBox* AcceptOrCancel(QDialog& dialog, QPushButton* action, const QString& cancel)
{
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(action, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
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

void LeaveEnterToTheList(QDialogButtonBox& buttons)
{
    for (QAbstractButton* button : buttons.buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
    }
}
