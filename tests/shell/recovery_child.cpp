// A program that edits rosters and then waits to be killed. It opens the three roster files
// given and a blank 2013 roster, edits all but the second file, saves the third, says "prêt"
// and runs until it is stopped.
#include "ScriptedInteraction.h"
#include "document/RosterDocument.h"
#include "roster_window/RosterGrid.h"
#include "roster_window/RosterWindow.h"
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
        window.openRoster(file);
    ui.promptAnswers = {"2013"};
    window.newBlankRoster();
    for (RosterWindow* roster : window.rosterWindows()) {
        if (roster->document().filePath() == files.at(1))
            continue;
        ui.sectorNames = {SectorName{"Ubaye", false}};
        roster->nameSector();
        ui.participantsToAdd = {NewParticipant{"Zoé", {}}};
        roster->addParticipant();
        roster->grid()->setCurrentGridCell(1, 4);
        roster->assignCurrentDay("Zoé");
        if (roster->document().filePath() == files.at(2))
            roster->document().save(false);
    }
    std::cout << "prêt" << std::endl;
    return QApplication::exec();
}
