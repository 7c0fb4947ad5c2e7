#include "roster_window/ParticipantsDialog.h"

#include "controls/DialogButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ParticipantsDialog::ParticipantsDialog(const QStringList& participants, int preselected,
                                       QWidget* parent)
    : QDialog(parent)
    , doctors_(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Participants"));
    doctors_->addItems(participants);
    doctors_->setCurrentIndex(preselected);

    auto* buttons = AcceptOrCancel(*this, QStringLiteral("&OK"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Choisissez un participant dans la liste ci-dessous:"), this));
    layout->addWidget(doctors_);
    layout->addWidget(buttons);
}

int ParticipantsDialog::chosenIndex() const
{
    return doctors_->currentIndex();
}
