#pragma once

#include "TestEnvironment.h"
#include "store/BlankRoster.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"

// A roster of the year with its participants, after these statements.
inline std::unique_ptr<Roster> RosterWith(int year, const QStringList& statements)
{
    std::unique_ptr<RosterDatabase> db = MakeBlankRoster(year);
    for (const QString& sql : statements)
        db->execute(sql.toUtf8().constData());
    return Roster::load(std::move(db));
}

// A 2011 roster file for the reports. Participants, in order: A, O'Brien; "Doc", B, C.
// - A holds 7, 8 and 9 March (weekdays) and Easter Monday 25 April (a holiday); he shares
//   Sunday 6 March in two intervals (08:00-14:00 and 20:00-08:00), B holding 14:00-20:00.
// - O'Brien; "Doc" holds Saturdays 5 and 12 March.
// - Sundays 13, 20 and 27 March are shared by C (08:00-20:00) and B (20:00-08:00).
// - Zed, who is no participant, holds 14 March, and "a" 15 March.
inline QString CreateReportRoster()
{
    const QString path = CreateBlankRoster(2011);
    std::unique_ptr<RosterDatabase> db = RosterDatabase::open(path);
    for (const char* sql : {
             R"(INSERT INTO [Participants] ([Médecin]) VALUES ('A'), ('O''Brien; "Doc"'), ('B'),
                ('C'))",
             R"(UPDATE [Garde] SET [Médecin] = 'A'
                WHERE [Jour] IN ('2011-03-07', '2011-03-08', '2011-03-09', '2011-04-25'))",
             R"(UPDATE [Garde] SET [Médecin] = 'O''Brien; "Doc"'
                WHERE [Jour] IN ('2011-03-05', '2011-03-12'))",
             R"(UPDATE [Garde] SET [Médecin] = '<Partagé>'
                WHERE [Jour] IN ('2011-03-06', '2011-03-13', '2011-03-20', '2011-03-27'))",
             R"(INSERT INTO [Partagé] VALUES ('2011-03-06', 'A', 0, 6), ('2011-03-06', 'B', 6, 12),
                ('2011-03-06', 'A', 12, 24), ('2011-03-13', 'C', 0, 12),
                ('2011-03-13', 'B', 12, 24), ('2011-03-20', 'C', 0, 12),
                ('2011-03-20', 'B', 12, 24), ('2011-03-27', 'C', 0, 12),
                ('2011-03-27', 'B', 12, 24))",
             R"(UPDATE [Garde] SET [Médecin] = 'Zed' WHERE [Jour] = '2011-03-14')",
             R"(UPDATE [Garde] SET [Médecin] = 'a' WHERE [Jour] = '2011-03-15')",
         })
        db->execute(sql);
    return path;
}
