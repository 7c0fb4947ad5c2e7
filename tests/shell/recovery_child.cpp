// A program that edits rosters and then waits to be killed. It opens the three roster files
// given and a blank 2013 roster, edits all but the second file, saves the third, says "prêt"
// and runs until it is stopped.
#include "ScriptedInteraction.h"
#include "document/RosterDocument.h"
#include "roster_window/RosterGrid.h"
#include "roster_window/RosterWindow.h"
#include "session/RosterSession.h"
#include "session/SessionManager.h"
#include "shell/MainWindow.h"

#include <QApplication>

#include <iostream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ScriptedInteraction ui;
    MainWindow window(&ui);
    const QStringList files = app.arguments().mid(1);
    for (const QString& file : files)
        window.sessions().openRoster(file);
    ui.promptAnswers = {"2013"};
    window.sessions().newBlankRoster();
    for (RosterWindow* roster : window.rosterWindows()) {
        if (roster->session().document().filePath() == files.at(1))
            continue;
        ui.sectorNames = {SectorName{"Ubaye", false}};
        roster->session().nameSector();
        ui.participantsToAdd = {NewParticipant{"Zoé", {}}};
        roster->session().addParticipant();
        roster->grid()->setCurrentGridCell(1, 4);
        roster->session().assignCurrentDay("Zoé");
        if (roster->session().document().filePath() == files.at(2))
            roster->session().save();
    }
    std::cout << "prêt" << std::endl;
    return QApplication::exec();
}
