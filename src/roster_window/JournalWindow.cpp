#include "roster_window/JournalWindow.h"

#include "controls/HelpSection.h"
#include "document/RosterDocument.h"
#include "session/RosterSession.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

JournalWindow::JournalWindow(RosterSession& session, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , participant_(new QComboBox(this))
    , month_(new QComboBox(this))
    , state_(new QLabel(this))
    , list_(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Journal des modifications"));
    SetHelpSection(*this, QStringLiteral("journal"));
    fillParticipants();
    month_->addItem(QStringLiteral("(Tous les mois)"));
    const QLocale french(QLocale::French);
    for (int month = 1; month <= 12; ++month)
        month_->addItem(french.standaloneMonthName(month), month);
    list_->setHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Utilisateur"), QStringLiteral("Modification")});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    state_->setTextFormat(Qt::PlainText);

    auto* filters = new QFormLayout;
    filters->addRow(QStringLiteral("&Participant :"), participant_);
    filters->addRow(QStringLiteral("&Mois :"), month_);
    auto* buttons = new QDialogButtonBox(this);
    connect(buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(state_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(680, 420);

    connect(participant_, &QComboBox::currentIndexChanged, this, &JournalWindow::reload);
    connect(&session.document(), &RosterDocument::participantsChanged, this, [this] {
        fillParticipants();
        reload();
    });
    connect(month_, &QComboBox::currentIndexChanged, this, &JournalWindow::reload);
    connect(&session.document().undoStack(), &QUndoStack::indexChanged, this,
            &JournalWindow::reload);
    reload();
}

// The participant chosen stays chosen while he is in the list.
void JournalWindow::fillParticipants()
{
    const QString chosen =
        participant_->currentIndex() > 0 ? participant_->currentText() : QString();
    const QSignalBlocker quiet(participant_);
    participant_->clear();
    participant_->addItem(QStringLiteral("(Tous les participants)"));
    participant_->addItems(session_.document().roster().participants());
    participant_->setCurrentIndex(std::max(0, participant_->findText(chosen)));
}

QString JournalWindow::stateText() const
{
    return state_->text();
}

void JournalWindow::reload()
{
    list_->clear();
    const std::optional<QList<JournalEntry>> entries = session_.journal();
    if (!entries) {
        state_->setText(
            QStringLiteral("Le journal des modifications de ce fichier ne peut pas être lu."));
        return;
    }
    // The participant's name as a whole: "Dr Martin" is not in "Dr Martine".
    const QRegularExpression doctor(
        participant_->currentIndex() > 0
            ? QStringLiteral("(^|\\W)%1(\\W|$)")
                  .arg(QRegularExpression::escape(participant_->currentText()))
            : QString());
    const int month = month_->currentData().toInt();
    const QLocale french(QLocale::French);
    int shown = 0;
    for (const JournalEntry& entry : *entries) {
        const QDateTime when = entry.when.toLocalTime();
        if (!doctor.match(entry.edit).hasMatch() || (month > 0 && when.date().month() != month))
            continue;
        new QTreeWidgetItem(list_, {french.toString(when, QStringLiteral("dd/MM/yyyy HH:mm")),
                                    entry.user, entry.edit});
        ++shown;
    }
    state_->setText(shown == 0   ? QStringLiteral("Aucune modification.")
                    : shown == 1 ? QStringLiteral("1 modification.")
                                 : QStringLiteral("%1 modifications.").arg(shown));
}
