#include "roster_window/RosterWindow.h"

#include "document/Interaction.h"
#include "document/ShareRules.h"
#include "reports/DutyList.h"
#include "reports/DutyListLayout.h"
#include "reports/Exports.h"
#include "reports/OnCallTable.h"
#include "reports/RosterTable.h"
#include "reports/Statistics.h"
#include "reports/StatisticsLayout.h"
#include "reports/dialogs/PrintJob.h"
#include "roster_window/RosterGrid.h"
#include "roster_window/YearGrid.h"
#include "store/AppSettings.h"
#include "store/DatabaseError.h"
#include "store/FilePaths.h"
#include "store/ParticipantNames.h"
#include "store/Roster.h"
#include "store/RosterFile.h"
#include "store/WorkFile.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

// The doctor menu's only entry when the roster has no participant.
const QString NobodyEntry = QStringLiteral("(Néant)");

} // namespace

RosterWindow::RosterWindow(Interaction& ui, QWidget* parent)
    : QWidget(parent)
    , ui_(ui)
    , sectorLabel_(new QLabel(QStringLiteral("Secteur"), this))
    , yearLabel_(new QLabel(QStringLiteral("2002"), this))
    , findLabel_(new QLabel(this))
    , grid_(new RosterGrid(this))
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

    buildViewMenu();
    buildDutyMenus();
    buildToolsMenu();
    connect(grid_, &RosterGrid::currentDayChanged, this, &RosterWindow::refreshStatus);
    connect(grid_, &RosterGrid::contextMenuRequested, this, &RosterWindow::showContextMenu);
    connect(grid_, &RosterGrid::dayDropped, this, &RosterWindow::dropDay);
}

RosterWindow::~RosterWindow()
{
    grid_->disconnect(this);
    releaseWorkFile();
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
}

bool RosterWindow::openFile(WorkingCopy copy, const QString& filePath, int& untitledCounter)
{
    std::unique_ptr<RosterDatabase> db = RosterDatabase::open(std::move(copy.file));
    fileStamp_ = copy.source;
    fileDigest_ = copy.sourceDigest;
    return showRoster(db ? Roster::load(std::move(db)) : nullptr, filePath, filePath.isEmpty(),
                      untitledCounter);
}

bool RosterWindow::openNew(std::unique_ptr<RosterDatabase> db, int& untitledCounter)
{
    return showRoster(Roster::load(std::move(db)), {}, true, untitledCounter);
}

bool RosterWindow::openRecovered(std::unique_ptr<RosterDatabase> db, const WorkRecord& record,
                                 int& untitledCounter)
{
    if (!showRoster(Roster::load(std::move(db)), record.filePath, true, untitledCounter))
        return false;
    fileStamp_ = record.fileStamp;
    fileDigest_ = record.fileDigest;
    lastEdit_ = record.lastEdit;
    recordWorkFile();
    return true;
}

bool RosterWindow::showRoster(std::unique_ptr<Roster> roster, const QString& filePath,
                              bool modified, int& untitledCounter)
{
    roster_ = std::move(roster);
    if (!roster_) {
        ui_.tell(QStringLiteral("Impossible d'ouvrir le tour de garde.\r\n"
                                "Assurez-vous qu'il s'agit bien d'un tour de garde de "
                                "l'application."),
                 MessageIcon::Critical);
        return false;
    }
    fillGrid();
    filePath_ = filePath;
    if (filePath.isEmpty()) {
        ++untitledCounter;
        setCaption(QStringLiteral("Tour %1").arg(untitledCounter));
    } else {
        setCaption(RosterCaption(filePath));
    }
    setModified(modified);
    lastEdit_ = QDateTime::currentDateTime();
    sectorLabel_->setText(roster_->sector());
    rebuildParticipantMenus();
    // Recorded at once, edited or not: a working file found without its record after a crash
    // is then one whose record was lost, and is offered back rather than thrown away.
    recordWorkFile();
    return true;
}

void RosterWindow::setCaption(const QString& caption)
{
    caption_ = caption;
    // The platform marks the title of a roster with unsaved changes.
    setWindowTitle(caption + QStringLiteral("[*]"));
}

void RosterWindow::setModified(bool modified)
{
    modified_ = modified;
    setWindowModified(modified);
}

void RosterWindow::fillGrid()
{
    grid_->setUpdatesEnabled(false);
    grid_->setYear(roster_->year());
    yearLabel_->setText(QString::number(roster_->year()));
    for (const RosterDay& day : roster_->days()) {
        if (day.date.year() != roster_->year())
            continue;
        grid_->setDay(day.date, day.doctor, sharedDayText(day));
        grid_->setHighlighted(day.date, IsHighlighted(ViewMode::Standard, day, {}, *roster_));
    }
    grid_->setCurrentGridCell(1, 0);
    grid_->setUpdatesEnabled(true);
    refreshStatus();
}

void RosterWindow::recolour()
{
    grid_->setUpdatesEnabled(false);
    for (const RosterDay& day : roster_->days()) {
        if (day.date.year() == roster_->year())
            recolourDay(day.date);
    }
    grid_->setUpdatesEnabled(true);
}

void RosterWindow::refreshStatus()
{
    statusDay_.clear();
    statusDuty_.clear();
    const std::optional<QDate> day = roster_ ? grid_->currentDay() : std::nullopt;
    if (day) {
        statusDay_ = YearGrid::StatusDayText(*day);
        const int labelColumn = YearGrid::LabelColumnOf(*day);
        const QString duty = grid_->cellText(day->day(), labelColumn + 1);
        const RosterDay* row = roster_->day(*day);
        statusDuty_ = duty == SharedDutyMarker && row ? sharedDayText(*row) : duty;
    }
    dutyMenu_->setEnabled(day.has_value());
    emit statusChanged();
}

void RosterWindow::chooseViewMode(ViewMode mode)
{
    if (mode == viewMode_ && mode != ViewMode::Doctor) {
        tickViewMode();
        return;
    }
    bool chosen = true;
    switch (mode) {
    case ViewMode::Doctor:
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
        findLabel_->setText(mode == ViewMode::Doctor
                                ? QStringLiteral("Médecin repéré : %1").arg(findTarget_)
                                : QString());
    }
    tickViewMode();
}

bool RosterWindow::chooseFindTarget()
{
    const QStringList& participants = roster_->participants();
    if (!hasParticipants())
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

QString RosterWindow::proposedSavePath() const
{
    if (!filePath_.isEmpty())
        return StripExtension(filePath_);
    return DocumentsFolder() + QStringLiteral("/Garde %1").arg(roster_->year());
}

bool RosterWindow::saveRoster(bool saveAs)
{
    // Locked from the check to the replacement: a copy saving at the same moment waits, then
    // sees this one's change and asks.
    SaveLock lock;
    QString target = saveAs ? QString() : filePath_;
    if (!target.isEmpty()) {
        if (!lockForSaving(lock, target))
            return false;
        if (changedOnDisk()) {
            // Nobody waits on the user's answer.
            lock.unlock();
            if (!confirmReplacingChangedFile())
                target.clear();
            else if (!lockForSaving(lock, target))
                return false;
        }
    }
    if (target.isEmpty()) {
        target = ui_.chooseFileToSave({proposedSavePath()});
        if (target.isEmpty() || !lockForSaving(lock, target))
            return false;
    }
    return writeRosterFile(target);
}

bool RosterWindow::lockForSaving(SaveLock& lock, const QString& target)
{
    if (lock.lock(target))
        return true;
    ui_.tell(QStringLiteral("Le fichier %1 est en cours d'enregistrement par une autre copie de "
                            "Rotalis.\r\nRéessayez dans un instant.")
                 .arg(target),
             MessageIcon::Warning);
    return false;
}

bool RosterWindow::writeRosterFile(const QString& target)
{
    // Recorded before the file is replaced: if the program ends just after, the next start
    // knows the file holds this window's own save, not another program's change.
    const QByteArray formerDigest = fileDigest_;
    fileDigest_ = DigestOf(roster_->database().path());
    recordWorkFile();
    switch (WriteRosterFile(roster_->database(), target)) {
    case RosterWrite::Written:
        break;
    case RosterWrite::WorkFileLost:
        fileDigest_ = formerDigest;
        recoverWorkFile();
        return false;
    case RosterWrite::Failed:
        fileDigest_ = formerDigest;
        recordWorkFile();
        ui_.tell(QStringLiteral("Une erreur s'est produite pendant la sauvegarde."),
                 MessageIcon::Critical);
        return false;
    }
    filePath_ = target;
    fileStamp_ = StampOf(target);
    setCaption(RosterCaption(target));
    setModified(false);
    recordWorkFile();
    emit saved(target);
    return true;
}

bool RosterWindow::changedOnDisk() const
{
    const std::optional<FileStamp> now = StampOf(filePath_);
    if (!now || now == fileStamp_)
        return false;
    // Rewritten with the same bytes (a backup restored, a synchronising tool, this window's own
    // save just before the program ended) it has not changed.
    return DigestOf(filePath_) != fileDigest_;
}

bool RosterWindow::confirmReplacingChangedFile()
{
    Question question{QStringLiteral("Le fichier %1 a été modifié par un autre programme depuis "
                                     "son ouverture.\r\n"
                                     "Voulez-vous le remplacer par ce tour de garde ?")
                          .arg(filePath_),
                      ButtonSet::YesNo, MessageIcon::Warning};
    question.focusedButton = AnswerNo;
    return ui_.ask(question) == AnswerYes;
}

void RosterWindow::recoverWorkFile()
{
    std::unique_ptr<RosterDatabase> copy = RecreateWorkFile(roster_->database());
    if (!copy) {
        ui_.tell(QStringLiteral("Une erreur s'est produite pendant la sauvegarde.\r\n"
                                "Le fichier de travail de ce tour de garde a été supprimé ou "
                                "remplacé par un autre programme. Gardez cette fenêtre ouverte "
                                "et enregistrez de nouveau."),
                 MessageIcon::Critical);
        return;
    }
    roster_->replaceDatabase(std::move(copy));
    recordWorkFile();
    ui_.tell(QStringLiteral("Le fichier de travail de ce tour de garde a été supprimé ou "
                            "remplacé par un autre programme : le tour de garde n'a pas été "
                            "enregistré.\r\n"
                            "Le fichier de travail a été recréé avec toutes vos modifications. "
                            "Enregistrez de nouveau le tour de garde."),
             MessageIcon::Warning);
}

void RosterWindow::recordWorkFile()
{
    // A record that cannot be written leaves the former one, and the roster itself unharmed.
    if (WorkFile* work = roster_->database().workFile())
        work->writeRecord({filePath_, fileStamp_, fileDigest_, caption_, lastEdit_, modified_});
}

bool RosterWindow::mayClose()
{
    if (!modified_)
        return true;
    const int answer = ui_.ask({QStringLiteral("Les données de %1 ont changées.\r\n"
                                               "Voulez-vous les sauvegarder ?")
                                    .arg(caption_),
                                ButtonSet::YesNoCancel, MessageIcon::Question});
    if (answer == AnswerYes)
        return saveRoster(false);
    return answer == AnswerNo;
}

void RosterWindow::closeEvent(QCloseEvent* event)
{
    if (!closeApproved_ && !mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    releaseWorkFile();
    emit closed();
}

void RosterWindow::releaseWorkFile()
{
    // The database removes its working file as it closes.
    roster_.reset();
}

QString RosterWindow::workPath() const
{
    return roster_ ? roster_->database().path() : QString();
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
    connect(share, &QAction::triggered, this, &RosterWindow::shareCurrentDay);
    connect(clear, &QAction::triggered, this, &RosterWindow::clearCurrentDay);
    connect(properties, &QAction::triggered, this, &RosterWindow::editCurrentDayProperties);
    // The menu bar's "&Garde" and the grid's pop-up menu carry the same entries.
    for (QMenu* menu : {dutyMenu_, contextMenu_}) {
        menu->addMenu(doctorMenu_);
        menu->addActions({share, clear, properties});
    }
}

void RosterWindow::buildToolsMenu()
{
    toolsMenu_->addAction(QStringLiteral("&Ajouter un participant"), this,
                          &RosterWindow::addParticipant);
    toolsMenu_->addAction(QStringLiteral("Editer les &données administratives des participants"),
                          this, &RosterWindow::editAdministrativeData);
    toolsMenu_->addAction(QStringLiteral("&Nommer le secteur de garde"), this,
                          &RosterWindow::nameSector);
    toolsMenu_->addAction(QStringLiteral("&Vider la liste de mes jours indisponibles"), this,
                          &RosterWindow::clearUnavailableDays);
    toolsMenu_->addSeparator();
    toolsMenu_->addAction(QStringLiteral("&Statistiques sur le tour de garde"), this,
                          &RosterWindow::showStatistics);
    toolsMenu_->addAction(QStringLiteral("Voir la &liste des gardes d'un médecin"), this,
                          &RosterWindow::chooseDutyList);
    toolsMenu_->addSeparator();
    QMenu* exports = toolsMenu_->addMenu(QStringLiteral("&Exporter"));
    exports->addAction(QStringLiteral("Exporter au format &Excel"), this, [this] {
        ExportWorkbook(ui_, *roster_, yearLabel_->text(), proposedSavePath());
    });
    exports->addAction(QStringLiteral("Exporter au format &texte"), this,
                       [this] { ExportCsv(ui_, *roster_, proposedSavePath()); });
    exports->addAction(QStringLiteral("Exporter l'&agenda d'un médecin..."), this, [this] {
        if (hasParticipants())
            ExportCalendars(ui_, *roster_, yearLabel_->text());
    });
    exports->addAction(QStringLiteral("Exporter l'agenda de t&ous les médecins..."), this, [this] {
        if (hasParticipants())
            ExportGroupCalendar(ui_, *roster_, yearLabel_->text());
    });
    toolsMenu_->addSeparator();
    toolsMenu_
        ->addAction(QStringLiteral("&Imprimer le tableau de garde"), this,
                    &RosterWindow::printRosterTable)
        ->setShortcuts(QKeySequence::Print);
    toolsMenu_->addAction(QStringLiteral("Imprimer le tableau mensuel des &astreintes"), this,
                          &RosterWindow::printOnCallTable);
}

void RosterWindow::editAdministrativeData()
{
    if (!hasParticipants())
        return;
    AdministrativeDataWindow window;
    for (const Participant& participant : roster_->participantRows())
        window.participants.append(participant.data);
    // Each saved change is an edit of the roster: written at once, and marking it modified.
    window.save = [this](qsizetype index, const AdministrativeData& data) {
        const QString typed[] = {data.civilName, data.identification, data.address, data.postalCode,
                                 data.town};
        if (std::any_of(std::begin(typed), std::end(typed), HoldsControlCharacter)) {
            ui_.tell(ControlCharacterProblem(), MessageIcon::Information);
            return false;
        }
        return edit([&] { roster_->setAdministrativeData(index, data); }, Scope::Roster);
    };
    ui_.showAdministrativeData(window);
}

void RosterWindow::printOnCallTable()
{
    if (!hasParticipants())
        return;
    OnCallOffer offer{[this] { editAdministrativeData(); }, std::nullopt};
    // Closing a preview comes back to the dialog, with the month still chosen.
    for (;;) {
        const std::optional<OnCallRequest> request = ui_.chooseOnCallMonth(offer);
        QList<OnCallRow> rows;
        if (!request || !read([&] { rows = OnCallRows(*roster_, request->month); }))
            return;
        PrintOnCallTable(ui_, *request,
                         OnCallHead(request->month, yearLabel_->text(), sectorLabel_->text()),
                         rows);
        if (request->output != PrintOutput::Preview)
            return;
        offer.previous = request;
    }
}

void RosterWindow::printRosterTable()
{
    RosterTable table;
    if (read([&] { table = ReadRosterTable(*roster_, yearLabel_->text(), sectorLabel_->text()); }))
        PrintRosterTable(ui_, table);
}

void RosterWindow::rebuildParticipantMenus()
{
    doctorMenu_->clear();
    const QStringList& participants = roster_->participants();
    if (participants.isEmpty()) {
        doctorMenu_->addAction(NobodyEntry);
        return;
    }
    for (const QString& doctor : participants) {
        // A name is shown as typed: a "&" in it is not an access key.
        QString text = doctor;
        text.replace(QLatin1Char('&'), QLatin1String("&&"));
        doctorMenu_->addAction(text, this, [this, doctor] { assignCurrentDay(doctor); });
    }
}

bool RosterWindow::hasParticipants()
{
    if (!roster_->participants().isEmpty())
        return true;
    ui_.tell(QStringLiteral("Votre liste de participants est vide.\r\n"
                            "Ajoutez des participants avant d'utiliser cette fonction."),
             MessageIcon::Information);
    return false;
}

bool RosterWindow::confirm(const QString& question, const QString& title)
{
    Question asked{question, ButtonSet::YesNo, MessageIcon::Question};
    asked.title = title;
    return ui_.ask(asked) == AnswerYes;
}

bool RosterWindow::attempt(const std::function<void()>& work, Scope scope)
{
    try {
        work();
    } catch (const DatabaseError&) {
        ui_.tell(scope == Scope::Day
                     ? QStringLiteral("Une erreur s'est produite pendant la modification du tour "
                                      "de garde. Le jour est resté tel qu'il était.")
                     : QStringLiteral("Une erreur s'est produite pendant la modification du tour "
                                      "de garde. Le tour de garde est resté tel qu'il était."),
                 MessageIcon::Critical);
        return false;
    }
    return true;
}

bool RosterWindow::read(const std::function<void()>& work)
{
    try {
        work();
    } catch (const DatabaseError&) {
        ui_.tell(QStringLiteral("Une erreur s'est produite pendant la lecture du tour de garde."),
                 MessageIcon::Critical);
        return false;
    }
    return true;
}

bool RosterWindow::edit(const std::function<void()>& change, Scope scope)
{
    // Recorded before the change is written: a program killed just after the write still
    // leaves a roster that is offered back.
    const bool wasModified = modified_;
    setModified(true);
    lastEdit_ = QDateTime::currentDateTime();
    recordWorkFile();
    if (attempt(change, scope))
        return true;
    setModified(wasModified);
    if (!wasModified)
        recordWorkFile();
    return false;
}

const RosterDay* RosterWindow::currentRosterDay() const
{
    const std::optional<QDate> day = grid_->currentDay();
    return day ? roster_->day(*day) : nullptr;
}

QString RosterWindow::sharedDayText(const RosterDay& day) const
{
    if (day.doctor != SharedDutyMarker)
        return {};
    try {
        return IntervalsText(roster_->intervals(day.date));
    } catch (const DatabaseError&) {
        // Shown without its intervals; the roster itself is untouched.
        return {};
    }
}

void RosterWindow::recolourDay(QDate day)
{
    const RosterDay* row = roster_->day(day);
    try {
        if (row)
            grid_->setHighlighted(day, IsHighlighted(viewMode_, *row, findTarget_, *roster_));
    } catch (const DatabaseError&) {
        // The day keeps its colours; the roster itself is untouched.
    }
}

void RosterWindow::showDayChange(QDate day)
{
    if (const RosterDay* row = roster_->day(day))
        grid_->setDay(day, row->doctor, sharedDayText(*row));
    recolourDay(day);
}

void RosterWindow::assignCurrentDay(const QString& doctor)
{
    putCurrentDay(doctor, QStringLiteral("Cette garde est partagée.\r\n"
                                         "Etes-vous sûr de vouloir mettre de garde %1 ?")
                              .arg(doctor));
}

void RosterWindow::clearCurrentDay()
{
    putCurrentDay(QString(), QStringLiteral("Cette garde est partagée.\r\n"
                                            "Etes-vous sûr de vouloir mettre cette garde à "
                                            "blanc ?"));
}

void RosterWindow::putCurrentDay(const QString& doctor, const QString& questionIfShared)
{
    const RosterDay* row = currentRosterDay();
    if (!row)
        return;
    const QDate day = row->date;
    if (row->doctor == SharedDutyMarker && !confirm(questionIfShared))
        return;
    if (edit([&] { roster_->assign(day, doctor); })) {
        showDayChange(day);
        refreshStatus();
    }
}

void RosterWindow::shareCurrentDay()
{
    const RosterDay* row = currentRosterDay();
    if (!row || !hasParticipants())
        return;
    const std::optional<QDate> day = row->date;
    const QString doctor = row->doctor;
    ShareRequest request{*day, {}, roster_->participants(), {}};
    if (!attempt([&] { request.intervals = roster_->intervals(*day); }, Scope::Day))
        return;
    if (doctor.isEmpty())
        request.info = QStringLiteral("Cette garde n'est pas encore affectée.");
    else if (doctor == SharedDutyMarker)
        request.info = QStringLiteral("Cette garde est, pour le moment, partagée par:");
    else
        request.info = QStringLiteral("Cette garde est, pour le moment, affectée à %1").arg(doctor);
    for (;;) {
        const std::optional<QList<SharedInterval>> intervals = ui_.editShare(request);
        if (!intervals)
            return;
        // The dialog refuses these already; what reaches the roster is checked all the same.
        if (const std::optional<Notice> problem = ShareProblem(*intervals)) {
            ui_.tell(problem->message, problem->icon);
            request.intervals = *intervals;
            continue;
        }
        if (edit([&] { roster_->share(*day, *intervals); })) {
            showDayChange(*day);
            refreshStatus();
        }
        return;
    }
}

void RosterWindow::editCurrentDayProperties()
{
    const RosterDay* row = currentRosterDay();
    if (!row)
        return;
    const QDate day = row->date;
    const std::optional<DayProperties> properties =
        ui_.editDayProperties(day, {row->type, row->unavailable});
    if (properties &&
        edit([&] { roster_->setProperties(day, properties->type, properties->unavailable); }))
        recolourDay(day);
}

void RosterWindow::dropDay(QDate source, int row, int column)
{
    const std::optional<QDate> target = grid_->dayAt(row, column);
    const RosterDay* sourceRow = roster_->day(source);
    const RosterDay* targetRow = target ? roster_->day(*target) : nullptr;
    if (!sourceRow || !targetRow || *target == source)
        return;
    const QString sourceDuty = sourceRow->doctor;
    const QString targetDuty = targetRow->doctor;
    if (targetDuty != SharedDutyMarker && targetDuty == sourceDuty)
        return;
    const QString date = QLocale(QLocale::French).toString(*target, QStringLiteral("dddd d MMMM"));
    QString question;
    if (targetDuty == SharedDutyMarker)
        question = QStringLiteral("La garde du %1 est partagée.\r\nConfirmez votre intention de "
                                  "remplacer les données (celles-ci seront perdues).")
                       .arg(date);
    else if (sourceDuty.isEmpty())
        question =
            QStringLiteral("Confirmez votre intention de mettre la garde du %1 à blanc.").arg(date);
    else if (sourceDuty == SharedDutyMarker)
        question = QStringLiteral("Confimez votre intention de copier les données actuelles de "
                                  "partage pour la garde du %1.")
                       .arg(date);
    else
        question = QStringLiteral("Confirmez votre intention de mettre %1 de garde le %2.")
                       .arg(sourceDuty, date);
    if (!confirm(question, QStringLiteral("Confirmation d'une opération de glisser-déposer")))
        return;
    if (edit([&] { roster_->copyDay(source, *target); }))
        showDayChange(*target);
}

void RosterWindow::showContextMenu(int row, int column, const QPoint& globalPos)
{
    // A right click on a month's name acts on the 1st of that month.
    grid_->setCurrentGridCell(std::max(row, 1), column);
    refreshStatus();
    if (grid_->currentDay())
        contextMenu_->popup(globalPos);
}

void RosterWindow::clearUnavailableDays()
{
    const int answer = ui_.ask(
        {QStringLiteral("Cette fonction videra la liste de mes jours indisponibles.\r\n"
                        "Ceci est nécessaire si, par exemple, ce fichier a été transmis par un "
                        "confrère (ses indisponibilités ne sont pas les miennes).\r\n"
                        "Vider la liste des jours indisponibles ?"),
         ButtonSet::YesNo, MessageIcon::Information});
    if (answer != AnswerYes || !edit([this] { roster_->clearUnavailableDays(); }, Scope::Roster))
        return;
    if (viewMode_ == ViewMode::Unavailable)
        recolour();
}

void RosterWindow::addParticipant()
{
    const QString name = ui_.askNewParticipant();
    if (name.isEmpty())
        return;
    if (const std::optional<QString> problem = ParticipantNameProblem(name)) {
        ui_.tell(*problem, MessageIcon::Information);
        return;
    }
    // "(Néant)" stands for nobody in the list of an empty roster: it is no one's name.
    const QStringList& participants = roster_->participants();
    if (participants.contains(name) || (participants.isEmpty() && name == NobodyEntry)) {
        ui_.tell(QStringLiteral("La liste contient déjà ce nom.\r\n"
                                "Donnez un nom distinct à chaque participant."),
                 MessageIcon::Information);
        return;
    }
    if (edit([&] { roster_->addParticipant(name); }, Scope::Roster))
        rebuildParticipantMenus();
}

void RosterWindow::nameSector()
{
    const std::optional<SectorName> sector = ui_.nameSector(sectorLabel_->text());
    if (!sector || sector->name.isEmpty())
        return;
    if (HoldsControlCharacter(sector->name)) {
        ui_.tell(ControlCharacterProblem(), MessageIcon::Information);
        return;
    }
    if (!edit([&] { roster_->setSector(sector->name); }, Scope::Roster))
        return;
    sectorLabel_->setText(sector->name);
    if (sector->asDefault)
        OpenAppSettings()->setValue(QStringLiteral("Options/Secteur"), sector->name);
}

void RosterWindow::showStatistics()
{
    if (!hasParticipants())
        return;
    StatisticsReport report;
    if (!read([&] { report.lines = ComputeStatistics(*roster_); }))
        return;
    report.title = StatisticsTitle(yearLabel_->text());
    report.commands = MakePrintCommands(
        ui_, report.title, [title = report.title, lines = report.lines](PageCanvas& canvas) {
            return DrawStatistics(canvas, title, lines);
        });
    report.showDetails = [this](const QString& doctor) { showDutyList(doctor); };
    ui_.showStatistics(report);
}

void RosterWindow::chooseDutyList()
{
    const QStringList& participants = roster_->participants();
    if (!hasParticipants())
        return;
    const int chosen = ui_.chooseParticipant(participants, 0);
    if (chosen >= 0 && chosen < participants.size())
        showDutyList(participants.at(chosen));
}

void RosterWindow::showDutyList(const QString& doctor)
{
    DutyListReport report;
    if (!read([&] { report.rows = PersonalDuties(*roster_, doctor); }))
        return;
    report.title = DutyListTitle(yearLabel_->text(), doctor);
    report.commands = MakePrintCommands(
        ui_, report.title, [title = report.title, rows = report.rows](PageCanvas& canvas) {
            return DrawDutyList(canvas, title, rows);
        });
    ui_.showDutyList(report);
}
