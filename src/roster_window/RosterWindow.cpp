#include "roster_window/RosterWindow.h"

#include "document/RosterDocument.h"
#include "roster_window/DifferencesWindow.h"
#include "roster_window/JournalWindow.h"
#include "roster_window/RepairDialog.h"
#include "roster_window/RosterGrid.h"
#include "roster_window/RosterMenus.h"
#include "roster_window/SwapDialog.h"
#include "roster_window/VerificationWindow.h"
#include "roster_window/YearGrid.h"
#include "session/RosterSession.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>

RosterWindow::RosterWindow(std::unique_ptr<RosterSession> session, QWidget* parent)
    : QWidget(parent)
    , session_(std::move(session))
    , reports_(session_->interaction(), session_->document())
    , sectorLabel_(new QLabel(this))
    , yearLabel_(new QLabel(this))
    , findLabel_(new QLabel(this))
    , grid_(new RosterGrid(this))
    , menus_(new RosterMenus(*session_, reports_, *grid_,
                             {[this] { swapCurrentDay(); }, [this] { showVerification(); },
                              [this] { showRepair(); }, [this] { compareWithAnotherRoster(); },
                              [this] { showJournal(); }},
                             this))
{
    for (QLabel* label : {sectorLabel_, yearLabel_, findLabel_})
        label->setTextFormat(Qt::PlainText);
    QFont labelFont = sectorLabel_->font();
    labelFont.setBold(true);
    labelFont.setPointSizeF(labelFont.pointSizeF() * 1.25);
    sectorLabel_->setFont(labelFont);
    yearLabel_->setFont(labelFont);

    auto* labels = new QHBoxLayout;
    labels->addWidget(sectorLabel_);
    labels->addStretch();
    labels->addWidget(findLabel_);
    labels->addStretch();
    labels->addWidget(yearLabel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(labels);
    layout->addWidget(grid_);

    connect(grid_, &RosterGrid::currentDayChanged, this, &RosterWindow::showCurrentDay);
    connect(grid_, &RosterGrid::contextMenuRequested, this, &RosterWindow::showContextMenu);
    connect(grid_, &RosterGrid::dayDropped, this, [this](QDate source, int row, int column) {
        if (const std::optional<QDate> target = grid_->dayAt(row, column))
            session_->copyDay(source, *target);
    });
    followSession();
}

RosterWindow::~RosterWindow()
{
    grid_->disconnect(this);
    session_->document().disconnect(this);
    session_->disconnect(this);
}

QList<QMenu*> RosterWindow::menus() const
{
    return menus_->menus();
}

QMenu* RosterWindow::contextMenu() const
{
    return menus_->contextMenu();
}

void RosterWindow::followSession()
{
    RosterDocument* document = &session_->document();
    connect(document, &RosterDocument::dayChanged, this, &RosterWindow::showDay);
    connect(document, &RosterDocument::dutiesChanged, this, [this](const QList<QDate>& days) {
        for (const QDate& day : days)
            showDay(day);
    });
    connect(document, &RosterDocument::daysChanged, this, &RosterWindow::showDays);
    connect(document, &RosterDocument::sectorChanged, sectorLabel_, &QLabel::setText);
    connect(&session_->alerts(), &RosterAlerts::changed, this, &RosterWindow::showAlerts);
    connect(session_.get(), &RosterSession::highlightsChanged, this, [this] {
        recolour();
        findLabel_->setText(session_->findText());
    });
    connect(session_.get(), &RosterSession::statusChanged, this, &RosterWindow::statusChanged);
    connect(document, &RosterDocument::modifiedChanged, this, &QWidget::setWindowModified);
    // The platform marks the title of a roster with unsaved changes.
    connect(document, &RosterDocument::captionChanged, this,
            [this](const QString& caption) { setWindowTitle(caption + QStringLiteral("[*]")); });
    setWindowTitle(document->caption() + QStringLiteral("[*]"));
    setWindowModified(document->isModified());
    sectorLabel_->setText(document->roster().sector());
    fillGrid();
}

void RosterWindow::fillGrid()
{
    const int year = session_->document().roster().year();
    grid_->setYear(year);
    yearLabel_->setText(QString::number(year));
    showDays();
    showAlerts(QDate(year, 1, 1), QDate(year, 12, 31));
    grid_->goToFirstShownDay();
    showCurrentDay();
}

void RosterWindow::showDay(QDate day)
{
    const Roster& roster = session_->document().roster();
    if (const RosterDay* row = roster.day(day))
        grid_->setDay(day, row->doctor, session_->sharedDayText(*row));
    grid_->setKept(day, roster.keptDays().contains(day));
    recolourDay(day);
}

void RosterWindow::showDays()
{
    const Roster& roster = session_->document().roster();
    grid_->setUpdatesEnabled(false);
    for (const RosterDay& day : roster.days()) {
        if (day.date.year() == roster.year())
            showDay(day.date);
    }
    grid_->setUpdatesEnabled(true);
}

void RosterWindow::recolour()
{
    const Roster& roster = session_->document().roster();
    grid_->setUpdatesEnabled(false);
    for (const RosterDay& day : roster.days()) {
        if (day.date.year() == roster.year())
            recolourDay(day.date);
    }
    grid_->setUpdatesEnabled(true);
}

void RosterWindow::recolourDay(QDate day)
{
    // A day that cannot be read keeps its colours.
    if (const std::optional<bool> highlighted = session_->isHighlighted(day))
        grid_->setHighlighted(day, *highlighted);
}

void RosterWindow::showAlerts(QDate first, QDate last)
{
    for (QDate day = first; day <= last; day = day.addDays(1))
        grid_->setAlerts(day, session_->alertTexts(day));
}

void RosterWindow::showCurrentDay()
{
    session_->setCurrentDay(session_->document().isOpen() ? grid_->currentDay() : std::nullopt);
}

void RosterWindow::closeEvent(QCloseEvent* event)
{
    if (!session_->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    session_->document().close();
    emit closed();
}

QString RosterWindow::sectorText() const
{
    return sectorLabel_->text();
}

QString RosterWindow::yearText() const
{
    return yearLabel_->text();
}

QString RosterWindow::findText() const
{
    return findLabel_->text();
}

void RosterWindow::showContextMenu(int row, int column, const QPoint& globalPos)
{
    // A right click on a month's name acts on the 1st of that month.
    grid_->setCurrentGridCell(std::max(row, 1), column);
    showCurrentDay();
    if (session_->currentDay())
        menus_->contextMenu()->popup(globalPos);
}

void RosterWindow::swapCurrentDay()
{
    const std::optional<QDate> day = session_->currentDay();
    if (!day)
        return;
    delete swap_;
    RosterSession* session = session_.get();
    swap_ = new SwapDialog(
        *day, [session](QDate other) { return session->dayDescription(other); }, this);
    swap_->setAttribute(Qt::WA_DeleteOnClose);
    connect(swap_, &SwapDialog::swapChosen, this, [this](QDate first, QDate second) {
        if (session_->swapDays(first, second))
            swap_->done(QDialog::Accepted);
    });
    // Whatever the roster's change, both days are described again.
    connect(session, &RosterSession::statusChanged, swap_, &SwapDialog::refresh);
    connect(grid_, &RosterGrid::currentDayChanged, swap_, [this] {
        if (const std::optional<QDate> other = grid_->currentDay())
            swap_->setOtherDay(*other);
    });
    swap_->show();
}

void RosterWindow::showVerification()
{
    if (!verification_) {
        verification_ = new VerificationWindow(session_->alerts(), this);
        connect(verification_, &VerificationWindow::dayChosen, this, &RosterWindow::goToDay);
        connect(verification_, &VerificationWindow::swapsAsked, session_.get(),
                &RosterSession::proposeSwaps);
        connect(verification_, &VerificationWindow::repairAsked, this, &RosterWindow::showRepair);
    }
    verification_->show();
    verification_->raise();
    verification_->activateWindow();
}

void RosterWindow::showRepair()
{
    if (!repair_) {
        repair_ = new RepairDialog(*session_, this);
        repair_->setAttribute(Qt::WA_DeleteOnClose);
    }
    repair_->show();
    repair_->raise();
    repair_->activateWindow();
}

void RosterWindow::compareWithAnotherRoster()
{
    std::optional<OtherRoster> other = session_->chooseRosterToCompare();
    if (!other)
        return;
    auto* differences = new DifferencesWindow(*session_, std::move(*other), this);
    differences->setAttribute(Qt::WA_DeleteOnClose);
    connect(differences, &DifferencesWindow::dayChosen, this, &RosterWindow::goToDay);
    differences->show();
}

void RosterWindow::showJournal()
{
    auto* journal = new JournalWindow(*session_, this);
    journal->setAttribute(Qt::WA_DeleteOnClose);
    journal->show();
}

void RosterWindow::goToDay(QDate day)
{
    grid_->setCurrentGridCell(day.day(), YearGrid::LabelColumnOf(day) + 1);
    grid_->setFocus();
    showCurrentDay();
}
