#include "session/NewBlankRoster.h"

#include "document/Messages.h"
#include "store/BlankRoster.h"
#include "store/RosterDatabase.h"
#include "store/RosterYear.h"

#include <optional>

namespace {

// The year the user means, or empty after telling them it cannot be used.
std::optional<int> CheckedRosterYear(qint64 typed, Messages& ui)
{
    const qint64 year = ExpandTwoDigitYear(typed);
    if (IsRosterYear(year))
        return static_cast<int>(year);
    ui.tell(RosterYearRangeMessage(), MessageIcon::Warning);
    return std::nullopt;
}

// Asks until the answer is a usable year; empty when the user gives up.
std::optional<int> AskRosterYear(Messages& ui)
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

std::unique_ptr<RosterDatabase> NewBlankRoster(int& year, Messages& ui)
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
