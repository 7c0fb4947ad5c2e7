#pragma once

#include "store/BlankRoster.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"
#include "store/Transaction.h"

#include <tuple>

// A full year as the report and export benchmarks use it, 2012 unless told: 12 participants
// holding the days in turn, and 40 days shared between two of them.
inline constexpr int Year = 2012;
inline const QStringList Doctors = {"Arnaud", "Benoît", "Chloé",    "Denis", "Emma",  "Fabre",
                                    "Gilles", "Henri",  "Isabelle", "Jean",  "Karim", "Léa"};

inline std::unique_ptr<Roster> FullYear(int year = Year)
{
    std::unique_ptr<RosterDatabase> db = MakeBlankRoster(year);
    {
        Transaction transaction(*db);
        Statement participant =
            db->prepare(R"(INSERT INTO [Participants] ([Médecin]) VALUES (?1))");
        for (const QString& doctor : Doctors) {
            participant.bind(1, doctor).execute();
            participant.reset();
        }
        Statement day = db->prepare(R"(UPDATE [Garde] SET [Médecin] = ?2 WHERE [Jour] = ?1)");
        Statement interval = db->prepare(R"(INSERT INTO [Partagé] VALUES (?1, ?2, ?3, ?4))");
        int shared = 0;
        int index = 0;
        for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1), ++index) {
            const bool isShared = index % 9 == 0 && shared < 40;
            day.bind(1, date)
                .bind(2, isShared ? SharedDutyMarker : Doctors.at(index % 12))
                .execute();
            day.reset();
            if (!isShared)
                continue;
            ++shared;
            for (const auto& [doctor, start, end] :
                 {std::tuple{index % 12, 0.0, 12.0}, std::tuple{(index + 5) % 12, 12.0, 24.0}}) {
                interval.bind(1, date).bind(2, Doctors.at(doctor)).bind(3, start).bind(4, end);
                interval.execute();
                interval.reset();
            }
        }
        transaction.commit();
    }
    return Roster::load(std::move(db));
}
