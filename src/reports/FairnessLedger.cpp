#include "reports/FairnessLedger.h"

#include "document/Interaction.h"
#include "reports/Fairness.h"
#include "store/DatabaseError.h"
#include "store/Roster.h"
#include "store/RosterFile.h"

std::optional<FairnessYear> ReadFairnessYear(const QString& rosterPath)
{
    const std::unique_ptr<Roster> roster =
        Roster::load(RosterDatabase::open(MakeWorkingCopy(rosterPath).file));
    if (!roster)
        return std::nullopt;
    try {
        return CountFairness(*roster);
    } catch (const DatabaseError&) {
        // Its days were read, its shared intervals could not be: a damaged file.
        return std::nullopt;
    }
}

std::optional<FairnessYear> ChooseFairnessYear(Interaction& ui, const QList<int>& yearsHeld,
                                               const QString& folder)
{
    const QString path = ui.chooseFileToOpen({folder});
    if (path.isEmpty())
        return std::nullopt;
    const std::optional<FairnessYear> year = ReadFairnessYear(path);
    if (!year) {
        ui.tell(NotARosterMessage, MessageIcon::Critical);
        return std::nullopt;
    }
    if (yearsHeld.contains(year->year)) {
        ui.tell(QStringLiteral("Le tour de garde de l'année %1 est déjà compté.").arg(year->year),
                MessageIcon::Information);
        return std::nullopt;
    }
    return year;
}
