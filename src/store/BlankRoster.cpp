#include "BlankRoster.h"

#include "Calendar.h"
#include "Interaction.h"
#include "RosterDatabase.h"
#include "RosterYear.h"
#include "Transaction.h"

#include <optional>

namespace {

// The year the user means, or empty after telling them it cannot be used.
std::optional<int> CheckedRosterYear(qint64 typed, Interaction& ui)
{
    const qint64 year = ExpandTwoDigitYear(typed);
    if (IsRosterYear(year))
        return static_cast<int>(year);
    ui.tell(RosterYearRangeMessage(), MessageIcon::Warning);
    return std::nullopt;
}

// Asks until the answer is a usable year; empty when the user gives up.
std::optional<int> AskRosterYear(Interaction& ui)
{
    for (;;) {
        const QString answer = ui.promptText(QStringLiteral("Entrez l'année du tour de garde:"));
        if (answer.isEmpty())
            return std::nullopt;
        if (const std::optional<qint64> typed = RoundedNumber(answer)) {
            if (const std::optional<int> year = CheckedRosterYear(*typed, ui))
                return year;
        }
    }
}

} // namespace

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

std::unique_ptr<RosterDatabase> NewBlankRoster(int& year, Interaction& ui)
{
    const std::optional<int> rosterYear =
        year == 0 ? AskRosterYear(ui) : CheckedRosterYear(year, ui);
    if (!rosterYear)
        return nullptr;
    year = *rosterYear;
    std::unique_ptr<RosterDatabase> db = MakeBlankRoster(year);
    if (!db)
        ui.tell(RosterCreationFailedMessage(), MessageIcon::Critical);
    return db;
}
