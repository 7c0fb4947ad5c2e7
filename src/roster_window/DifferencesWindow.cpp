#include "roster_window/DifferencesWindow.h"

#include "controls/DialogButtons.h"
#include "controls/HelpSection.h"
#include "document/RosterDocument.h"
#include "reports/ChangesNoticeLayout.h"
#include "reports/Exports.h"
#include "reports/dialogs/PrintButtons.h"
#include "reports/dialogs/PrintJob.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString DaysCountText(qsizetype days)
{
    if (days == 0)
        return QStringLiteral("Aucun jour ne diffère.");
    return days == 1 ? QStringLiteral("1 jour diffère.")
                     : QStringLiteral("%1 jours diffèrent.").arg(days);
}

// "Absences ajoutées (2) : B du 2 mai au 6 mai ; Dr A le 3 août".
void AddLine(QListWidget& list, const QString& heading, const QStringList& items)
{
    if (!items.isEmpty())
        list.addItem(QStringLiteral("%1 (%2) : %3")
                         .arg(heading)
                         .arg(items.size())
                         .arg(items.join(QStringLiteral(" ; "))));
}

QStringList AbsenceTexts(const QList<Absence>& absences)
{
    QStringList texts;
    for (const Absence& absence : absences)
        texts.append(AbsenceText(absence));
    return texts;
}

} // namespace

DifferencesWindow::DifferencesWindow(RosterSession& session, OtherRoster other, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , other_(std::move(other))
    , count_(new QLabel(this))
    , days_(new QTreeWidget(this))
    , others_(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Différences avec %1").arg(other_.name));
    SetHelpSection(*this, QStringLiteral("comparer"));
    days_->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Dans %1").arg(other_.name),
                            QStringLiteral("Ici")});
    days_->setRootIsDecorated(false);
    days_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    days_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(days_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        emit dayChosen(item->data(0, Qt::UserRole).toDate());
    });
    others_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    connect(buttons->addButton(QStringLiteral("&Reprendre ce jour"), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, [this] {
                if (QTreeWidgetItem* item = days_->currentItem())
                    take({item->data(0, Qt::UserRole).toDate()});
            });
    connect(buttons->addButton(QStringLiteral("Reprendre tous les jours choisis"),
                               QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, [this] { take(chosenDays()); });
    // The notice of the changes, as the differences then stand.
    AddPrintButtons(*buttons,
                    {[this] { noticeCommands().print(); }, [this] { noticeCommands().preview(); },
                     [this] { noticeCommands().saveAsPdf(); }});
    connect(buttons->addButton(QStringLiteral("Exporter au format &texte"),
                               QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, [this] {
                ExportChangesNotice(session_.interaction(), notice(),
                                    session_.document().proposedSavePath() +
                                        QStringLiteral(" modifications"));
            });
    connect(buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::close);
    LeaveEnterToTheList(*buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count_);
    layout->addWidget(days_, 3);
    layout->addWidget(others_, 1);
    layout->addWidget(buttons);
    resize(720, 480);

    // Every edit, undone and redone too, moves the history once it is written.
    connect(&session.document().undoStack(), &QUndoStack::indexChanged, this,
            &DifferencesWindow::reload);
    reload();
}

QString DifferencesWindow::countText() const
{
    return count_->text();
}

void DifferencesWindow::reload()
{
    const std::optional<RosterDifferences> found = session_.differencesWith(other_);
    if (!found)
        return;
    // The day chosen stays chosen; none is an invalid date.
    const QDate current =
        days_->currentItem() ? days_->currentItem()->data(0, Qt::UserRole).toDate() : QDate();
    days_->clear();
    const QLocale french(QLocale::French);
    for (const DayDifference& day : found->days) {
        auto* row =
            new QTreeWidgetItem(days_, {french.toString(day.day, QStringLiteral("ddd d MMMM")),
                                        DutyText(day.theirs), DutyText(day.mine)});
        row->setData(0, Qt::UserRole, day.day);
        if (current == day.day)
            days_->setCurrentItem(row);
    }
    others_->clear();
    AddLine(*others_, QStringLiteral("Participants ajoutés"), found->participantsAdded);
    AddLine(*others_, QStringLiteral("Participants retirés"), found->participantsRemoved);
    AddLine(*others_, QStringLiteral("Tours changés"), found->rotationsChanged);
    AddLine(*others_, QStringLiteral("Absences ajoutées"), AbsenceTexts(found->absencesAdded));
    AddLine(*others_, QStringLiteral("Absences retirées"), AbsenceTexts(found->absencesRemoved));
    others_->addItems(found->sectorAndRules);
    others_->setVisible(others_->count() > 0);
    count_->setText(found->isEmpty() ? QStringLiteral("Les deux tours de garde sont identiques.")
                                     : DaysCountText(found->days.size()));
}

ChangesNotice DifferencesWindow::notice() const
{
    const std::optional<RosterDifferences> found = session_.differencesWith(other_);
    const Roster& roster = session_.document().roster();
    return MakeChangesNotice(roster.year(), roster.sector(), QDate::currentDate(),
                             found ? found->days : QList<DayDifference>());
}

PrintCommands DifferencesWindow::noticeCommands() const
{
    const ChangesNotice changes = notice();
    return MakePrintCommands(session_.interaction(), changes.title, [changes](PageCanvas& canvas) {
        return DrawChangesNotice(canvas, changes);
    });
}

QList<QDate> DifferencesWindow::chosenDays() const
{
    QList<QDate> days;
    for (const QTreeWidgetItem* item : days_->selectedItems())
        days.append(item->data(0, Qt::UserRole).toDate());
    std::sort(days.begin(), days.end());
    return days;
}

void DifferencesWindow::take(const QList<QDate>& days)
{
    session_.takeDays(other_, days);
}
