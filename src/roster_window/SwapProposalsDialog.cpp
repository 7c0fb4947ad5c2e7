#include "roster_window/SwapProposalsDialog.h"

#include "controls/DialogButtons.h"
#include "controls/HelpSection.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SwapProposalsDialog::SwapProposalsDialog(const QString& alert, const QStringList& proposals,
                                         QWidget* parent)
    : QDialog(parent)
    , list_(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Proposer des échanges"));
    SetHelpSection(*this, QStringLiteral("proposer"));
    auto* heading =
        new QLabel(QStringLiteral("« %1 »\nÉchanger cette garde avec celle de :").arg(alert), this);
    heading->setTextFormat(Qt::PlainText);
    list_->addItems(proposals);
    list_->setCurrentRow(0);

    auto* buttons = AcceptOrCancel(*this, QStringLiteral("É&changer"));
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(480, 360);
}

int SwapProposalsDialog::chosenIndex() const
{
    return list_->currentRow();
}
