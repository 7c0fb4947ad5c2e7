// A copy of the program saving one roster file when told to, as a user of another computer
// would at the same moment. For each line "ouvre" read, it opens the file, puts its doctor on
// duty on 1 March and says "prêt"; for each line "enregistre" followed by a time (milliseconds
// since the epoch), it waits for that time and saves, then says
// "silencieux" when the file was replaced without a question, "demandé" when it asked first
// (and is answered no), "échec" otherwise.
#include "ScriptedInteraction.h"
#include "document/RosterDocument.h"
#include "roster_window/RosterGrid.h"
#include "roster_window/RosterWindow.h"
#include "session/RosterSession.h"
#include "session/SessionManager.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QDateTime>

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString file = app.arguments().at(1);
    const QString doctor = app.arguments().at(2);
    ScriptedInteraction ui;
    MainWindow window(&ui);
    for (std::string line; std::getline(std::cin, line);) {
        if (line == "ouvre") {
            window.sessions().openRoster(file);
            RosterWindow* roster = window.rosterWindows().last();
            roster->grid()->setCurrentGridCell(1, 4);
            roster->session().assignCurrentDay(doctor);
            std::cout << "prêt" << std::endl;
            continue;
        }
        const qint64 moment = std::stoll(line.substr(line.find(' ') + 1));
        while (QDateTime::currentMSecsSinceEpoch() < moment) {
        }
        RosterWindow* roster = window.rosterWindows().last();
        ui.questions.clear();
        ui.answers = {AnswerNo};
        const bool saved = roster->session().save();
        const char* said = !ui.questions.isEmpty() ? "demandé" : saved ? "silencieux" : "échec";
        std::cout << said << std::endl;
        roster->session().approveClose();
        roster->close();
    }
    return 0;
}
