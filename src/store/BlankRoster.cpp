#include "store/BlankRoster.h"

#include "store/Calendar.h"
#include "store/RosterDatabase.h"
#include "store/RosterYear.h"
#include "store/Transaction.h"

QString RosterCreationFailedMessage()
{
    return QStringLiteral("Une erreur s'est produite pendant la création du tour de garde.");
}

void FillBlankYear(const RosterDatabase& db, int year)
{
    Transaction transaction(db);
    Statement insert =
        db.prepare(R"(INSERT INTO [Garde] ([Jour], [Médecin], [Type]) VALUES (?1, '', ?2))");
    const QDate end(year + 1, 1, 1);
    for (QDate day(year, 1, 1); day < end; day = day.addDays(1)) {
        insert.bind(1, day).bind(2, static_cast<int>(DayTypeOf(day))).execute();
        insert.reset();
    }
    transaction.commit();
}

std::unique_ptr<RosterDatabase> MakeBlankRoster(int year)
{
    return CreateRosterDatabase([year](const RosterDatabase& db) { FillBlankYear(db, year); });
}
