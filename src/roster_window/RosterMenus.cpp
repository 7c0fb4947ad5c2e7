#include "roster_window/RosterMenus.h"

#include "document/RosterDocument.h"
#include "roster_window/GridDisplayEntries.h"
#include "roster_window/RosterReports.h"
#include "session/RosterSession.h"
#include "store/ParticipantNames.h"

#include <QMenu>
#include <QUndoStack>

namespace {

// A text shown as typed in a menu: a "&" in it is not an access key.
QString MenuText(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// The object names of the display modes' entries, in menu order.
const char* const ViewModeNames[ViewModeCount] = {
    "viewStandard", "viewDoctor", "viewShared", "viewBlank", "viewUnavailable", "viewAbsences"};

} // namespace

RosterMenus::RosterMenus(RosterSession& session, RosterReports& reports, RosterGrid& grid,
                         WindowCommands commands, QWidget* window)
    : QObject(window)
    , session_(session)
    , reports_(reports)
    , editMenu_(new QMenu(QStringLiteral("É&dition"), window))
    , viewMenu_(new QMenu(QStringLiteral("&Affichage"), window))
    , dutyMenu_(new QMenu(QStringLiteral("&Garde"), window))
    , doctorMenu_(new QMenu(QStringLiteral("&Mettre de garde"), window))
    , contextMenu_(new QMenu(window))
    , toolsMenu_(new QMenu(QStringLiteral("&Outils"), window))
{
    editMenu_->setObjectName(QStringLiteral("editMenu"));
    dutyMenu_->setObjectName(QStringLiteral("dutyMenu"));
    doctorMenu_->setObjectName(QStringLiteral("doctorMenu"));
    viewMenu_->setObjectName(QStringLiteral("viewMenu"));
    toolsMenu_->setObjectName(QStringLiteral("toolsMenu"));
    buildEditMenu();
    buildViewMenu(grid);
    buildDutyMenus(commands);
    buildToolsMenu(commands);
    rebuildDoctorMenu();
    connect(&session_.document(), &RosterDocument::participantsChanged, this,
            &RosterMenus::rebuildDoctorMenu);
    connect(&session_, &RosterSession::highlightsChanged, this, &RosterMenus::tickViewMode);
    connect(&session_, &RosterSession::statusChanged, this, [this] {
        dutyMenu_->setEnabled(session_.currentDay().has_value());
        tickDoctorOnDuty();
        keep_->setChecked(session_.isCurrentDayKept());
    });
}

QAction* RosterMenus::add(QMenu* menu, const QString& name, const QString& text,
                          std::function<void()> command)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, std::move(command));
    if (menu)
        menu->addAction(action);
    return action;
}

void RosterMenus::buildEditMenu()
{
    QUndoStack& history = session_.document().undoStack();
    RosterDocument* document = &session_.document();
    QAction* undo = add(editMenu_, QStringLiteral("undo"), {}, [document] { document->undo(); });
    QAction* redo = add(editMenu_, QStringLiteral("redo"), {}, [document] { document->redo(); });
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

void RosterMenus::buildViewMenu(RosterGrid& grid)
{
    for (int index = 0; index < ViewModeCount; ++index) {
        const auto mode = static_cast<ViewMode>(index);
        QAction* action = add(viewMenu_, QString::fromLatin1(ViewModeNames[index]),
                              ViewModeMenuText(mode), [this, mode] {
                                  session_.chooseViewMode(mode);
                                  // A mode chosen again, or cancelled, is ticked as it stands.
                                  tickViewMode();
                              });
        action->setCheckable(true);
        viewActions_.append(action);
    }
    tickViewMode();
    AddGridDisplayEntries(*viewMenu_, grid);
}

void RosterMenus::tickViewMode()
{
    for (int index = 0; index < viewActions_.size(); ++index)
        viewActions_.at(index)->setChecked(index == static_cast<int>(session_.viewMode()));
}

void RosterMenus::buildDutyMenus(const WindowCommands& commands)
{
    RosterSession* session = &session_;
    QAction* share = add(nullptr, QStringLiteral("share"), QStringLiteral("P&artager la garde"),
                         [session] { session->shareCurrentDay(); });
    QAction* clear = add(nullptr, QStringLiteral("blank"), QStringLiteral("Mettre à &blanc"),
                         [session] { session->assignCurrentDay({}); });
    QAction* properties =
        add(nullptr, QStringLiteral("dayProperties"), QStringLiteral("&Propriétés du jour"),
            [session] { session->editCurrentDayProperties(); });
    QAction* swap = add(nullptr, QStringLiteral("swap"),
                        QStringLiteral("É&changer avec un autre jour..."), commands.swap);
    QAction* proposals =
        add(nullptr, QStringLiteral("proposeSwaps"), QStringLiteral("Pr&oposer des échanges"),
            [session] { session->proposeSwapsForCurrentDay(); });
    keep_ = add(nullptr, QStringLiteral("keepDay"), QStringLiteral("&Garder ce jour tel quel"),
                [session, this] {
                    session->keepCurrentDay(keep_->isChecked());
                    // Refused, the entry shows the day as it stays.
                    keep_->setChecked(session->isCurrentDayKept());
                });
    keep_->setCheckable(true);
    // The menu bar's "&Garde" and the grid's pop-up menu carry the same entries.
    for (QMenu* menu : {dutyMenu_, contextMenu_}) {
        menu->addMenu(doctorMenu_);
        menu->addActions({share, clear, properties, swap, proposals, keep_});
    }
}

void RosterMenus::buildToolsMenu(const WindowCommands& commands)
{
    RosterSession* s = &session_;
    RosterReports* r = &reports_;
    QMenu* t = toolsMenu_;
    add(t, QStringLiteral("addParticipant"), QStringLiteral("&Ajouter un participant"),
        [s] { s->addParticipant(); });
    add(t, QStringLiteral("renameParticipant"), QStringLiteral("Ren&ommer un participant..."),
        [s] { s->renameParticipant(); });
    add(t, QStringLiteral("removeParticipant"), QStringLiteral("Re&tirer un participant..."),
        [s] { s->removeParticipant(); });
    add(t, QStringLiteral("replaceParticipant"), QStringLiteral("Re&mplacer un participant..."),
        [s] { s->replaceParticipant(); });
    add(t, QStringLiteral("administrativeData"),
        QStringLiteral("Editer les &données administratives des participants"),
        [r] { r->editAdministrativeData(); });
    add(t, QStringLiteral("nameSector"), QStringLiteral("&Nommer le secteur de garde"),
        [s] { s->nameSector(); });
    add(t, QStringLiteral("clearUnavailableDays"),
        QStringLiteral("&Vider la liste de mes jours indisponibles"),
        [s] { s->clearUnavailableDays(); });
    add(t, QStringLiteral("absences"), QStringLiteral("A&bsences des participants..."),
        [s] { s->showAbsences(); });
    add(t, QStringLiteral("rules"), QStringLiteral("&Règles du tour de garde..."),
        [s] { s->editRules(); });
    t->addSeparator();
    add(t, QStringLiteral("verification"), QStringLiteral("Vérifi&cation du tour de garde"),
        commands.verification);
    add(t, QStringLiteral("repair"), QStringLiteral("Corri&ger les alertes..."), commands.repair);
    add(t, QStringLiteral("compare"), QStringLiteral("Co&mparer avec un autre tour de garde..."),
        commands.compare);
    add(t, QStringLiteral("journal"), QStringLiteral("&Journal des modifications"),
        commands.journal);
    add(t, QStringLiteral("statistics"), QStringLiteral("&Statistiques sur le tour de garde"),
        [r] { r->showStatistics(); });
    add(t, QStringLiteral("dutyList"), QStringLiteral("Voir la &liste des gardes d'un médecin"),
        [r] { r->chooseDutyList(); });
    t->addSeparator();
    QMenu* e = t->addMenu(QStringLiteral("&Exporter"));
    add(e, QStringLiteral("exportWorkbook"), QStringLiteral("Exporter au format &Excel"),
        [r] { r->exportWorkbook(); });
    add(e, QStringLiteral("exportCsv"), QStringLiteral("Exporter au format &texte"),
        [r] { r->exportCsv(); });
    add(e, QStringLiteral("exportCalendars"), QStringLiteral("Exporter l'&agenda d'un médecin..."),
        [r] { r->exportCalendars(); });
    add(e, QStringLiteral("exportGroupCalendar"),
        QStringLiteral("Exporter l'agenda de t&ous les médecins..."),
        [r] { r->exportGroupCalendar(); });
    t->addSeparator();
    add(t, QStringLiteral("printRosterTable"), QStringLiteral("&Imprimer le tableau de garde"),
        [r] { r->printRosterTable(); })
        ->setShortcuts(QKeySequence::Print);
    add(t, QStringLiteral("printOnCallTable"),
        QStringLiteral("Imprimer le tableau mensuel des &astreintes"),
        [r] { r->printOnCallTable(); });
}

void RosterMenus::rebuildDoctorMenu()
{
    doctorMenu_->clear();
    const QStringList& participants = session_.document().roster().participants();
    if (participants.isEmpty()) {
        doctorMenu_->addAction(NobodyEntry);
        return;
    }
    RosterSession* session = &session_;
    for (const QString& doctor : participants) {
        QAction* entry = doctorMenu_->addAction(
            MenuText(doctor), this, [session, doctor] { session->assignCurrentDay(doctor); });
        entry->setCheckable(true);
        entry->setData(doctor);
    }
    tickDoctorOnDuty();
}

void RosterMenus::tickDoctorOnDuty()
{
    const std::optional<QDate> day = session_.currentDay();
    const RosterDay* row =
        day && session_.document().isOpen() ? session_.document().roster().day(*day) : nullptr;
    for (QAction* entry : doctorMenu_->actions())
        entry->setChecked(row && entry->data().toString() == row->doctor);
}
