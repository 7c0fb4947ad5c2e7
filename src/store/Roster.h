#pragma once

#include "Calendar.h"
#include "RosterDatabase.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <memory>

struct RosterDay {
    QDate date;
    // A participant's name, empty text for nobody, or "<Partagé>" for a shared day.
    QString doctor;
    DayType type;
    bool unavailable;
};

// Marks a shared day in Garde.Médecin; its intervals are in Partagé.
inline const QString SharedDutyMarker = QStringLiteral("<Partagé>");

// An open roster: its database on the working file, and its days, sector and participants
// as a roster window shows them.
class Roster {
public:
    // Loads the roster held in a working file; null when the file is not a whole roster.
    static std::unique_ptr<Roster> load(const QString& workPath);
    // Loads the roster of a database already open; null when it holds no day.
    static std::unique_ptr<Roster> load(std::unique_ptr<RosterDatabase> db);

    const RosterDatabase& database() const { return *db_; }

    // The year of the roster's first day.
    int year() const { return days_.first().date.year(); }
    // Every day, in date order.
    const QList<RosterDay>& days() const { return days_; }
    QString sector() const { return sector_; }
    // Every participant's name, in table order.
    const QStringList& participants() const { return participants_; }

    // The participants of a shared day's intervals, by starting time.
    QStringList sharedDoctors(QDate day) const;
    // Whether the participant has an interval on the shared day.
    bool hasInterval(QDate day, const QString& doctor) const;

private:
    explicit Roster(std::unique_ptr<RosterDatabase> db);
    void read();

    std::unique_ptr<RosterDatabase> db_;
    QList<RosterDay> days_;
    QString sector_;
    QStringList participants_;
};
