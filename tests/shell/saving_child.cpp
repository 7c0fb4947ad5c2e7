// A copy of the program saving one roster file when told to, as a user of another computer
// would at the same moment. For each line "ouvre" read, it opens the file, puts its doctor on
// duty on 1 March and says "prêt"; for each line "enregistre" followed by a time (milliseconds
// since the epoch), it waits for that time and saves, then says
// "silencieux" when the file was replaced without a question, "demandé" when it asked first
// (and is answered no), "échec" otherwise.
#include "ScriptedInteraction.h"
#include "session/RosterSession.h"
#include "session/SessionManager.h"

#include <QDateTime>
#include <QGuiApplication>

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString file = app.arguments().at(1);
    const QString doctor = app.arguments().at(2);
    ScriptedInteraction ui;
    std::unique_ptr<RosterSession> roster;
    SessionManager sessions(
        ui, [&roster](std::unique_ptr<RosterSession> opened) { roster = std::move(opened); });
    for (std::string line; std::getline(std::cin, line);) {
        if (line == "ouvre") {
            sessions.openRoster(file);
            roster->setCurrentDay(QDate(2012, 3, 1));
            roster->assignCurrentDay(doctor);
            std::cout << "prêt" << std::endl;
            continue;
        }
        const qint64 moment = std::stoll(line.substr(line.find(' ') + 1));
        while (QDateTime::currentMSecsSinceEpoch() < moment) {
        }
        ui.questions.clear();
        ui.answers = {AnswerNo};
        const bool saved = roster->save();
        const char* said = !ui.questions.isEmpty() ? "demandé" : saved ? "silencieux" : "échec";
        std::cout << said << std::endl;
        roster.reset();
    }
    return 0;
}
