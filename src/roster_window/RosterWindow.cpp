#include "RosterWindow.h"

#include "FilePaths.h"
#include "Interaction.h"
#include "Roster.h"
#include "RosterFile.h"
#include "RosterGrid.h"
#include "WorkFile.h"
#include "YearGrid.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSaveFile>
#include <QVBoxLayout>

RosterWindow::RosterWindow(Interaction& ui, QWidget* parent)
    : QWidget(parent)
    , ui_(ui)
    , sectorLabel_(new QLabel(QStringLiteral("Secteur"), this))
    , yearLabel_(new QLabel(QStringLiteral("2002"), this))
    , grid_(new RosterGrid(this))
    , viewMenu_(new QMenu(QStringLiteral("&Affichage"), this))
{
    sectorLabel_->setTextFormat(Qt::PlainText);
    yearLabel_->setTextFormat(Qt::PlainText);
    QFont labelFont = sectorLabel_->font();
    labelFont.setBold(true);
    labelFont.setPointSizeF(labelFont.pointSizeF() * 1.25);
    sectorLabel_->setFont(labelFont);
    yearLabel_->setFont(labelFont);

    auto* labels = new QHBoxLayout;
    labels->addWidget(sectorLabel_);
    labels->addStretch();
    labels->addWidget(yearLabel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(labels);
    layout->addWidget(grid_);

    buildViewMenu();
    connect(grid_, &RosterGrid::currentDayChanged, this, &RosterWindow::refreshStatus);
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

bool RosterWindow::openFile(const QString& workPath, const QString& filePath, int& untitledCounter)
{
    workPath_ = workPath;
    return showRoster(Roster::load(workPath), filePath, untitledCounter);
}

bool RosterWindow::openNew(std::unique_ptr<RosterDatabase> db, int& untitledCounter)
{
    workPath_ = db->path();
    return showRoster(Roster::load(std::move(db)), {}, untitledCounter);
}

bool RosterWindow::showRoster(std::unique_ptr<Roster> roster, const QString& filePath,
                              int& untitledCounter)
{
    roster_ = std::move(roster);
    if (!roster_) {
        ui_.tell(QStringLiteral("Impossible d'ouvrir le tour de garde.\r\n"
                                "Assurez-vous qu'il s'agit bien d'un tour de garde de "
                                "l'application."),
                 MessageIcon::Critical);
        releaseWorkFile();
        return false;
    }
    fillGrid();
    if (filePath.isEmpty()) {
        ++untitledCounter;
        setWindowTitle(QStringLiteral("Tour %1").arg(untitledCounter));
        modified_ = true;
    } else {
        filePath_ = filePath;
        setWindowTitle(RosterCaption(filePath));
        modified_ = false;
    }
    sectorLabel_->setText(roster_->sector());
    return true;
}

void RosterWindow::fillGrid()
{
    grid_->setUpdatesEnabled(false);
    grid_->setYear(roster_->year());
    yearLabel_->setText(QString::number(roster_->year()));
    for (const RosterDay& day : roster_->days()) {
        if (day.date.year() != roster_->year())
            continue;
        grid_->setDay(day.date, day.doctor);
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
            grid_->setHighlighted(day.date, IsHighlighted(viewMode_, day, findTarget_, *roster_));
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
        if (duty == SharedDutyMarker) {
            for (const QString& doctor : roster_->sharedDoctors(*day))
                statusDuty_ += doctor + QLatin1Char(' ');
        } else {
            statusDuty_ = duty;
        }
    }
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
    }
    tickViewMode();
}

bool RosterWindow::chooseFindTarget()
{
    const QStringList& participants = roster_->participants();
    if (participants.isEmpty()) {
        ui_.tell(QStringLiteral("Votre liste de participants est vide.\r\n"
                                "Ajoutez des participants avant d'utiliser cette fonction."),
                 MessageIcon::Information);
        return false;
    }
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
    QString target = filePath_;
    if (saveAs || filePath_.isEmpty()) {
        target = ui_.chooseFileToSave({proposedSavePath()});
        if (target.isEmpty())
            return false;
    }
    QSaveFile file(target);
    if (!WriteRosterFile(roster_->database(), file)) {
        ui_.tell(QStringLiteral("Une erreur s'est produite pendant la sauvegarde."),
                 MessageIcon::Critical);
        return false;
    }
    filePath_ = target;
    setWindowTitle(RosterCaption(target));
    modified_ = false;
    emit saved(target);
    return true;
}

bool RosterWindow::mayClose()
{
    if (!modified_)
        return true;
    const int answer = ui_.ask({QStringLiteral("Les données de %1 ont changées.\r\n"
                                               "Voulez-vous les sauvegarder ?")
                                    .arg(windowTitle()),
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
    roster_.reset();
    if (!workPath_.isEmpty())
        DeleteWorkFile(workPath_);
    workPath_.clear();
}

QString RosterWindow::sectorText() const
{
    return sectorLabel_->text();
}

QString RosterWindow::yearText() const
{
    return yearLabel_->text();
}
