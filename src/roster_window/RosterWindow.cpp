#include "roster_window/RosterWindow.h"

#include "document/Interaction.h"
#include "document/RosterDocument.h"
#include "roster_window/AlertCount.h"
#include "roster_window/GridDisplayEntries.h"
#include "roster_window/RosterGrid.h"
#include "roster_window/SwapDialog.h"
#include "roster_window/VerificationWindow.h"
#include "roster_window/YearGrid.h"
#include "store/DatabaseError.h"
#include "store/ParticipantNames.h"
#include "store/Settings.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A text shown as typed in a menu: a "&" in it is not an access key.
QString MenuText(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

RosterWindow::RosterWindow(Interaction& ui, std::unique_ptr<RosterDocument> document,
                           QWidget* parent)
    : QWidget(parent)
    , ui_(ui)
    , document_(std::move(document))
    , reports_(ui, *document_)
    , alerts_(*document_)
    , sectorLabel_(new QLabel(QStringLiteral("Secteur"), this))
    , yearLabel_(new QLabel(QStringLiteral("2002"), this))
    , findLabel_(new QLabel(this))
    , grid_(new RosterGrid(this))
    , editMenu_(new QMenu(QStringLiteral("É&dition"), this))
    , viewMenu_(new QMenu(QStringLiteral("&Affichage"), this))
    , dutyMenu_(new QMenu(QStringLiteral("&Garde"), this))
    , doctorMenu_(new QMenu(QStringLiteral("&Mettre de garde"), this))
    , contextMenu_(new QMenu(this))
    , toolsMenu_(new QMenu(QStringLiteral("&Outils"), this))
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

    buildEditMenu();
    buildViewMenu();
    buildDutyMenus();
    buildToolsMenu();
    connect(grid_, &RosterGrid::currentDayChanged, this, &RosterWindow::refreshStatus);
    connect(grid_, &RosterGrid::contextMenuRequested, this, &RosterWindow::showContextMenu);
    connect(grid_, &RosterGrid::dayDropped, this, &RosterWindow::dropDay);
    followDocument();
}

RosterWindow::~RosterWindow()
{
    grid_->disconnect(this);
    document_->disconnect(this);
}

void RosterWindow::followDocument()
{
    RosterDocument* document = document_.get();
    connect(document, &RosterDocument::dayChanged, this, [this](QDate day) {
        showDayChange(day);
        refreshStatus();
    });
    connect(document, &RosterDocument::dutiesChanged, this, [this](const QList<QDate>& days) {
        for (const QDate& day : days)
            showDayChange(day);
        refreshStatus();
    });
    connect(document, &RosterDocument::daysChanged, this, &RosterWindow::showDays);
    connect(document, &RosterDocument::participantsChanged, this, [this] {
        rebuildParticipantMenus();
        // A participant renamed or removed is no longer found: the grid goes back to standard.
        const bool ofAParticipant =
            viewMode_ == ViewMode::Doctor || viewMode_ == ViewMode::Absences;
        if (ofAParticipant && !document_->roster().participants().contains(findTarget_))
            chooseViewMode(ViewMode::Standard);
    });
    connect(document, &RosterDocument::sectorChanged, sectorLabel_, &QLabel::setText);
    connect(document, &RosterDocument::absencesChanged, this, [this] {
        if (viewMode_ == ViewMode::Absences)
            recolour();
    });
    connect(&alerts_, &RosterAlerts::changed, this, &RosterWindow::showAlerts);
    connect(document, &RosterDocument::modifiedChanged, this, &QWidget::setWindowModified);
    // The platform marks the title of a roster with unsaved changes.
    connect(document, &RosterDocument::captionChanged, this,
            [this](const QString& caption) { setWindowTitle(caption + QStringLiteral("[*]")); });
    connect(document, &RosterDocument::saved, this, &RosterWindow::saved);
    setWindowTitle(document->caption() + QStringLiteral("[*]"));
    setWindowModified(document->isModified());
    sectorLabel_->setText(document->roster().sector());
    fillGrid();
    rebuildParticipantMenus();
}

void RosterWindow::buildEditMenu()
{
    QUndoStack& history = document_->undoStack();
    RosterDocument* document = document_.get();
    QAction* undo = editMenu_->addAction(QString(), document, &RosterDocument::undo);
    QAction* redo = editMenu_->addAction(QString(), document, &RosterDocument::redo);
    undo->setShortcuts(QKeySequence::Undo);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The entries name the edit they undo or redo.
    const auto follow = [](QAction* action, const QString& verb, const QString& edit) {
        action->setText(edit.isEmpty() ? verb : verb + QStringLiteral(" : ") + MenuText(edit));
        action->setEnabled(!edit.isEmpty());
    };
    connect(&history, &QUndoStack::undoTextChanged, undo,
            [=](const QString& text) { follow(undo, QStringLiteral("&Annuler"), text); });
    connect(&history, &QUndoStack::redoTextChanged, redo,
            [=](const QString& text) { follow(redo, QStringLiteral("&Rétablir"), text); });
    follow(undo, QStringLiteral("&Annuler"), history.undoText());
    follow(redo, QStringLiteral("&Rétablir"), history.redoText());
}

void RosterWindow::buildViewMenu()
{
    for (int index = 0; index < ViewModeCount; ++index) {
        const auto mode = static_cast<ViewMode>(index);
        QAction* action = viewMenu_->addAction(ViewModeMenuText(mode));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, mode] { chooseViewMode(mode); });
        viewActions_.append(action);
    }
    tickViewMode();
    AddGridDisplayEntries(*viewMenu_, *grid_);
}

void RosterWindow::fillGrid()
{
    const int year = document_->roster().year();
    grid_->setYear(year);
    yearLabel_->setText(QString::number(year));
    showDays();
    showAlerts(QDate(year, 1, 1), QDate(year, 12, 31));
    grid_->goToFirstShownDay();
    refreshStatus();
}

void RosterWindow::showDays()
{
    grid_->setUpdatesEnabled(false);
    for (const RosterDay& day : document_->roster().days()) {
        if (day.date.year() == document_->roster().year()) {
            grid_->setDay(day.date, day.doctor, sharedDayText(day));
            recolourDay(day.date);
        }
    }
    grid_->setUpdatesEnabled(true);
    refreshStatus();
}

void RosterWindow::showAlerts(QDate first, QDate last)
{
    QHash<QDate, QStringList> texts;
    for (const RuleAlert& alert : alerts_.all()) {
        if (first <= alert.day && alert.day <= last)
            texts[alert.day].append(alert.text);
    }
    for (QDate day = first; day <= last; day = day.addDays(1))
        grid_->setAlerts(day, texts.value(day));
    refreshStatus();
}

QString RosterWindow::statusAlertCount() const
{
    return AlertCount(alerts_.all().size());
}

void RosterWindow::recolour()
{
    grid_->setUpdatesEnabled(false);
    for (const RosterDay& day : document_->roster().days()) {
        if (day.date.year() == document_->roster().year())
            recolourDay(day.date);
    }
    grid_->setUpdatesEnabled(true);
}

void RosterWindow::refreshStatus()
{
    statusDay_.clear();
    statusDuty_.clear();
    statusAlerts_.clear();
    const std::optional<QDate> day = document_->isOpen() ? grid_->currentDay() : std::nullopt;
    if (day) {
        statusDay_ = YearGrid::StatusDayText(*day);
        const int labelColumn = YearGrid::LabelColumnOf(*day);
        const QString duty = grid_->cellText(day->day(), labelColumn + 1);
        const RosterDay* row = document_->roster().day(*day);
        statusDuty_ = duty == SharedDutyMarker && row ? sharedDayText(*row) : duty;
        statusAlerts_ = grid_->alerts(*day).join(QStringLiteral(" ; "));
    }
    dutyMenu_->setEnabled(day.has_value());
    tickDoctorOnDuty();
    emit statusChanged();
}

void RosterWindow::chooseViewMode(ViewMode mode)
{
    const bool ofAParticipant = mode == ViewMode::Doctor || mode == ViewMode::Absences;
    if (mode == viewMode_ && !ofAParticipant) {
        tickViewMode();
        return;
    }
    bool chosen = true;
    switch (mode) {
    case ViewMode::Doctor:
    case ViewMode::Absences:
        chosen = chooseFindTarget();
        break;
    case ViewMode::Shared:
        findTarget_ = SharedDutyMarker;
        break;
    case ViewMode::Blank:
        findTarget_.clear();
        break;
    case ViewMode::Standard:
    case ViewMode::Unavailable:
        break;
    }
    if (chosen) {
        viewMode_ = mode;
        recolour();
        // The menu ticks the mode; only here can the user see whose duties stand out.
        if (mode == ViewMode::Doctor)
            findLabel_->setText(QStringLiteral("Médecin repéré : %1").arg(findTarget_));
        else if (mode == ViewMode::Absences)
            findLabel_->setText(QStringLiteral("Absences de %1").arg(findTarget_));
        else
            findLabel_->clear();
    }
    tickViewMode();
}

bool RosterWindow::chooseFindTarget()
{
    const QStringList& participants = document_->roster().participants();
    if (!document_->requireParticipants())
        return false;
    const int chosen = ui_.chooseParticipant(
        participants, std::max<qsizetype>(0, participants.indexOf(findTarget_)));
    if (chosen < 0 || chosen >= participants.size())
        return false;
    findTarget_ = participants.at(chosen);
    return true;
}

void RosterWindow::tickViewMode()
{
    for (int index = 0; index < viewActions_.size(); ++index)
        viewActions_.at(index)->setChecked(index == static_cast<int>(viewMode_));
}

void RosterWindow::closeEvent(QCloseEvent* event)
{
    if (!closeApproved_ && !document_->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    document_->close();
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

void RosterWindow::buildDutyMenus()
{
    QAction* share = new QAction(QStringLiteral("P&artager la garde"), this);
    QAction* clear = new QAction(QStringLiteral("Mettre à &blanc"), this);
    QAction* properties = new QAction(QStringLiteral("&Propriétés du jour"), this);
    QAction* swap = new QAction(QStringLiteral("É&changer avec un autre jour..."), this);
    QAction* proposals = new QAction(QStringLiteral("Pr&oposer des échanges"), this);
    connect(share, &QAction::triggered, this, &RosterWindow::shareCurrentDay);
    connect(swap, &QAction::triggered, this, &RosterWindow::swapCurrentDay);
    connect(proposals, &QAction::triggered, this, &RosterWindow::proposeSwapsForCurrentDay);
    connect(clear, &QAction::triggered, this, [this] { assignCurrentDay({}); });
    connect(properties, &QAction::triggered, this, &RosterWindow::editCurrentDayProperties);
    // The menu bar's "&Garde" and the grid's pop-up menu carry the same entries.
    for (QMenu* menu : {dutyMenu_, contextMenu_}) {
        menu->addMenu(doctorMenu_);
        menu->addActions({share, clear, properties, swap, proposals});
    }
}

void RosterWindow::buildToolsMenu()
{
    RosterReports* reports = &reports_;
    toolsMenu_->addAction(QStringLiteral("&Ajouter un participant"), this,
                          &RosterWindow::addParticipant);
    toolsMenu_->addAction(QStringLiteral("Ren&ommer un participant..."), this,
                          &RosterWindow::renameParticipant);
    toolsMenu_->addAction(QStringLiteral("Re&tirer un participant..."), this,
                          &RosterWindow::removeParticipant);
    toolsMenu_->addAction(QStringLiteral("Re&mplacer un participant..."), this,
                          &RosterWindow::replaceParticipant);
    toolsMenu_->addAction(QStringLiteral("Editer les &données administratives des participants"),
                          this, [reports] { reports->editAdministrativeData(); });
    toolsMenu_->addAction(QStringLiteral("&Nommer le secteur de garde"), this,
                          &RosterWindow::nameSector);
    toolsMenu_->addAction(QStringLiteral("&Vider la liste de mes jours indisponibles"), this,
                          [this] { document_->clearUnavailableDays(); });
    toolsMenu_->addAction(QStringLiteral("A&bsences des participants..."), this,
                          &RosterWindow::showAbsences);
    toolsMenu_->addAction(QStringLiteral("&Règles du tour de garde..."), this,
                          &RosterWindow::editRules);
    toolsMenu_->addSeparator();
    toolsMenu_->addAction(QStringLiteral("Vérifi&cation du tour de garde"), this,
                          &RosterWindow::showVerification);
    toolsMenu_->addAction(QStringLiteral("&Statistiques sur le tour de garde"), this,
                          [reports] { reports->showStatistics(); });
    toolsMenu_->addAction(QStringLiteral("Voir la &liste des gardes d'un médecin"), this,
                          [reports] { reports->chooseDutyList(); });
    toolsMenu_->addSeparator();
    QMenu* exports = toolsMenu_->addMenu(QStringLiteral("&Exporter"));
    exports->addAction(QStringLiteral("Exporter au format &Excel"), this,
                       [reports] { reports->exportWorkbook(); });
    exports->addAction(QStringLiteral("Exporter au format &texte"), this,
                       [reports] { reports->exportCsv(); });
    exports->addAction(QStringLiteral("Exporter l'&agenda d'un médecin..."), this,
                       [reports] { reports->exportCalendars(); });
    exports->addAction(QStringLiteral("Exporter l'agenda de t&ous les médecins..."), this,
                       [reports] { reports->exportGroupCalendar(); });
    toolsMenu_->addSeparator();
    toolsMenu_
        ->addAction(QStringLiteral("&Imprimer le tableau de garde"), this,
                    [reports] { reports->printRosterTable(); })
        ->setShortcuts(QKeySequence::Print);
    toolsMenu_->addAction(QStringLiteral("Imprimer le tableau mensuel des &astreintes"), this,
                          [reports] { reports->printOnCallTable(); });
}

void RosterWindow::rebuildParticipantMenus()
{
    doctorMenu_->clear();
    const QStringList& participants = document_->roster().participants();
    if (participants.isEmpty()) {
        doctorMenu_->addAction(NobodyEntry);
        return;
    }
    for (const QString& doctor : participants) {
        QAction* entry = doctorMenu_->addAction(MenuText(doctor), this,
                                                [this, doctor] { assignCurrentDay(doctor); });
        entry->setCheckable(true);
        entry->setData(doctor);
    }
    tickDoctorOnDuty();
}

void RosterWindow::tickDoctorOnDuty()
{
    const RosterDay* row = currentRosterDay();
    for (QAction* entry : doctorMenu_->actions())
        entry->setChecked(row && entry->data().toString() == row->doctor);
}

const RosterDay* RosterWindow::currentRosterDay() const
{
    const std::optional<QDate> day = grid_->currentDay();
    return day ? document_->roster().day(*day) : nullptr;
}

QString RosterWindow::sharedDayText(const RosterDay& day) const
{
    if (day.doctor != SharedDutyMarker)
        return {};
    try {
        return IntervalsText(document_->roster().intervals(day.date));
    } catch (const DatabaseError&) {
        // Shown without its intervals; the roster itself is untouched.
        return {};
    }
}

void RosterWindow::recolourDay(QDate day)
{
    const RosterDay* row = document_->roster().day(day);
    try {
        if (row)
            grid_->setHighlighted(day,
                                  IsHighlighted(viewMode_, *row, findTarget_, document_->roster()));
    } catch (const DatabaseError&) {
        // The day keeps its colours; the roster itself is untouched.
    }
}

void RosterWindow::showDayChange(QDate day)
{
    if (const RosterDay* row = document_->roster().day(day))
        grid_->setDay(day, row->doctor, sharedDayText(*row));
    recolourDay(day);
}

void RosterWindow::assignCurrentDay(const QString& doctor)
{
    if (const std::optional<QDate> day = grid_->currentDay())
        document_->assignDay(*day, doctor);
}

void RosterWindow::shareCurrentDay()
{
    const RosterDay* row = currentRosterDay();
    if (!row || !document_->requireParticipants())
        return;
    const QDate day = row->date;
    const QString doctor = row->doctor;
    ShareRequest request{day, {}, document_->roster().participants(), {}};
    if (!document_->read([&] { request.intervals = document_->roster().duty(day).intervals; }))
        return;
    if (doctor.isEmpty())
        request.info = QStringLiteral("Cette garde n'est pas encore affectée.");
    else if (doctor == SharedDutyMarker)
        request.info = QStringLiteral("Cette garde est, pour le moment, partagée par:");
    else
        request.info = QStringLiteral("Cette garde est, pour le moment, affectée à %1").arg(doctor);
    if (const std::optional<QList<SharedInterval>> intervals = ui_.editShare(request))
        document_->shareDay(day, *intervals);
}

void RosterWindow::editCurrentDayProperties()
{
    const RosterDay* row = currentRosterDay();
    if (!row)
        return;
    const QDate day = row->date;
    if (const std::optional<DayProperties> properties =
            ui_.editDayProperties(day, {row->type, row->unavailable}))
        document_->setDayProperties(day, properties->type, properties->unavailable);
}

void RosterWindow::dropDay(QDate source, int row, int column)
{
    if (const std::optional<QDate> target = grid_->dayAt(row, column))
        document_->copyDay(source, *target);
}

void RosterWindow::showContextMenu(int row, int column, const QPoint& globalPos)
{
    // A right click on a month's name acts on the 1st of that month.
    grid_->setCurrentGridCell(std::max(row, 1), column);
    refreshStatus();
    if (grid_->currentDay())
        contextMenu_->popup(globalPos);
}

ParticipantsAtDay RosterWindow::participantsAtCurrentDay() const
{
    const int year = document_->roster().year();
    return {document_->roster().participants(), year,
            grid_->currentDay().value_or(QDate(year, 1, 1))};
}

void RosterWindow::addParticipant()
{
    if (const std::optional<NewParticipant> added =
            ui_.askParticipantToAdd(participantsAtCurrentDay()))
        document_->addParticipant(added->name, added->arrival);
}

void RosterWindow::renameParticipant()
{
    if (!document_->requireParticipants())
        return;
    if (const std::optional<Renaming> renaming =
            ui_.askRenaming(document_->roster().participants()))
        document_->renameParticipant(renaming->former, renaming->name);
}

void RosterWindow::removeParticipant()
{
    if (!document_->requireParticipants())
        return;
    if (const std::optional<Removal> removal = ui_.askRemoval(participantsAtCurrentDay()))
        document_->removeParticipant(*removal);
}

void RosterWindow::replaceParticipant()
{
    if (!document_->requireParticipants())
        return;
    if (const std::optional<Replacement> replacement =
            ui_.askReplacement(participantsAtCurrentDay()))
        document_->replaceParticipant(*replacement);
}

void RosterWindow::swapCurrentDay()
{
    const std::optional<QDate> day = grid_->currentDay();
    if (!day)
        return;
    delete swap_;
    swap_ = new SwapDialog(
        *day, [this](QDate other) { return dayDescription(other); }, this);
    swap_->setAttribute(Qt::WA_DeleteOnClose);
    connect(swap_, &SwapDialog::swapChosen, this, [this](QDate first, QDate second) {
        if (document_->swapDays(first, second))
            swap_->accept();
    });
    for (auto changed : {&RosterDocument::daysChanged, &RosterDocument::participantsChanged})
        connect(document_.get(), changed, swap_, &SwapDialog::refresh);
    connect(document_.get(), &RosterDocument::dayChanged, swap_, &SwapDialog::refresh);
    connect(document_.get(), &RosterDocument::dutiesChanged, swap_, &SwapDialog::refresh);
    connect(grid_, &RosterGrid::currentDayChanged, swap_, [this] {
        if (const std::optional<QDate> other = grid_->currentDay())
            swap_->setOtherDay(*other);
    });
    swap_->show();
}

void RosterWindow::proposeSwapsForCurrentDay()
{
    const std::optional<QDate> day = grid_->currentDay();
    if (!day)
        return;
    const QList<RuleAlert> alerts = alerts_.of(*day);
    if (alerts.isEmpty())
        ui_.tell(QStringLiteral("Ce jour ne porte aucune alerte."), MessageIcon::Information);
    else
        proposeSwaps(alerts.first());
}

void RosterWindow::proposeSwaps(const RuleAlert& alert)
{
    const QList<SwapProposal> proposals = alerts_.proposeSwaps(alert);
    if (proposals.isEmpty()) {
        ui_.tell(QStringLiteral("Aucun échange ne lève cette alerte sans en créer une autre."),
                 MessageIcon::Information);
        return;
    }
    QStringList texts;
    for (const SwapProposal& proposal : proposals)
        texts.append(dutyDescription(proposal.others));
    const int chosen = ui_.chooseSwapProposal(alert.text, texts);
    if (chosen >= 0 && chosen < proposals.size())
        document_->swapDuties(proposals.at(chosen).days, proposals.at(chosen).others);
}

QString RosterWindow::dayDescription(QDate day) const
{
    return dutyDescription({day});
}

QString RosterWindow::dutyDescription(const QList<QDate>& days) const
{
    const RosterDay* row = document_->roster().day(days.constFirst());
    QString holder = row ? row->doctor : QString();
    if (holder == SharedDutyMarker)
        holder = sharedDayText(*row);
    if (holder.isEmpty())
        holder = QStringLiteral("Personne");
    const QLocale french(QLocale::French);
    const auto date = [&french](QDate day) {
        return french.toString(day, QStringLiteral("dddd d MMMM"));
    };
    if (days.size() == 1)
        return QStringLiteral("%1, %2").arg(holder, date(days.constFirst()));
    return QStringLiteral("%1, du %2 au %3")
        .arg(holder, date(days.constFirst()), date(days.constLast()));
}

void RosterWindow::nameSector()
{
    const std::optional<SectorName> sector = ui_.nameSector(sectorLabel_->text());
    if (sector && document_->setSector(sector->name) && sector->asDefault)
        Settings().setDefaultSector(sector->name);
}

void RosterWindow::showAbsences()
{
    RosterDocument& document = *document_;
    const ParticipantsAtDay start = participantsAtCurrentDay();
    ui_.showAbsences({start.year, start.day, start.participants,
                      [&document] { return document.roster().absences(); },
                      [&document](const Absence& absence) { return document.addAbsence(absence); },
                      [&document](qsizetype index, const Absence& absence) {
                          return document.changeAbsence(index, absence);
                      },
                      [&document](qsizetype index) { return document.removeAbsence(index); },
                      [this] { return importUnavailableDays(); }});
}

bool RosterWindow::importUnavailableDays()
{
    if (!document_->requireParticipants())
        return false;
    const QString copyPath = ui_.chooseFileToOpen({});
    if (copyPath.isEmpty())
        return false;
    const QStringList& participants = document_->roster().participants();
    const int chosen = ui_.chooseParticipant(participants, 0);
    return chosen >= 0 && chosen < participants.size() &&
           document_->importUnavailableDays(copyPath, participants.at(chosen));
}

void RosterWindow::editRules()
{
    const std::optional<RosterRules> rules = ui_.editRules(document_->roster().rules());
    if (!rules)
        return;
    document_->setRules(*rules);
    // The group's rules are set once: the rosters made from now on start with them.
    if (document_->roster().rules() == *rules)
        Settings().setRules(*rules);
}

void RosterWindow::showVerification()
{
    if (!verification_) {
        verification_ = new VerificationWindow(alerts_, this);
        connect(verification_, &VerificationWindow::dayChosen, this, &RosterWindow::goToDay);
        connect(verification_, &VerificationWindow::swapsAsked, this, &RosterWindow::proposeSwaps);
    }
    verification_->show();
    verification_->raise();
    verification_->activateWindow();
}

void RosterWindow::goToDay(QDate day)
{
    grid_->setCurrentGridCell(day.day(), YearGrid::LabelColumnOf(day) + 1);
    grid_->setFocus();
    refreshStatus();
}
