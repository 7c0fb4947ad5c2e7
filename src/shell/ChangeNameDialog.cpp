#include "shell/ChangeNameDialog.h"

#include "controls/DialogButtons.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ChangeNameDialog::ChangeNameDialog(const QStringList& entries, int preselected, QWidget* parent)
    : QDialog(parent)
    , entries_(new QListWidget(this))
    , preselected_(preselected)
{
    setWindowTitle(QStringLiteral("Changer un nom"));
    entries_->addItems(entries);
    entries_->setCurrentRow(preselected);
    connect(entries_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = AcceptOrCancel(*this, QStringLiteral("OK"), QStringLiteral("Annuler"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entries_);
    layout->addWidget(buttons);
}

int ChangeNameDialog::chosenIndex() const
{
    const int chosen = entries_->currentRow();
    if (result() != QDialog::Accepted || chosen == preselected_)
        return -1;
    return chosen;
}
