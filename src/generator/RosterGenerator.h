#pragma once

#include "generator/GenerationAnswers.h"
#include "store/Calendar.h"

#include <QDate>
#include <QList>
#include <memory>

class Interaction;
class RosterDatabase;

struct GeneratedDay {
    QDate date;
    DayType type;
    // The participant on duty, or empty text for nobody.
    QString doctor;
};

struct GeneratedParticipant {
    QString doctor;
    bool weekdays = false; // Semaine
    bool weekends = false; // WE
    AdministrativeData administrativeData;
};

struct GeneratedRoster {
    QList<GeneratedDay> days;
    QList<GeneratedParticipant> participants;
};

// One pass over the year: each day's type and participant by the two rotations, then the
// participants with their administrative data. Touches no database.
GeneratedRoster GenerateRoster(const GenerationAnswers& answers);

// Writes a generated year into a new roster database in a fresh working file, in one
// transaction. Null when it could not be written; no working file is left behind then.
std::unique_ptr<RosterDatabase> WriteGeneratedRoster(const GeneratedRoster& roster);

// Generates and writes the year; tells the user when the roster could not be made.
std::unique_ptr<RosterDatabase> CreateGeneratedRoster(const GenerationAnswers& answers,
                                                      Interaction& ui);
