// What changed: the comparison of a roster session with another roster file of its year, the
// days taken from it, and the journal of the roster's changes.

#include "document/EditTexts.h"
#include "document/Interaction.h"
#include "document/RosterDocument.h"
#include "session/RosterSession.h"

#include <QFileInfo>

#include <algorithm>

std::optional<OtherRoster> RosterSession::chooseRosterToCompare()
{
    const QString path = ui_.chooseFileToOpen({});
    if (path.isEmpty())
        return std::nullopt;
    std::shared_ptr<const Roster> other = document_->readOtherRoster(
        path, QStringLiteral("Choisissez un tour de garde de %1.").arg(document_->roster().year()));
    if (!other)
        return std::nullopt;
    return OtherRoster{QFileInfo(path).completeBaseName(), std::move(other)};
}

std::optional<RosterDifferences> RosterSession::differencesWith(const OtherRoster& other) const
{
    RosterDifferences differences;
    if (!document_->read([&] { differences = CompareRosters(*other.roster, document_->roster()); }))
        return std::nullopt;
    return differences;
}

bool RosterSession::takeDays(const OtherRoster& other, const QList<QDate>& days)
{
    QList<DatedDuty> mine, theirs;
    if (days.isEmpty() || !document_->read([&] {
            for (const QDate day : days) {
                const DayDuty myDuty = document_->roster().duty(day);
                const DayDuty theirDuty = other.roster->duty(day);
                if (myDuty == theirDuty)
                    continue;
                mine.append({day, myDuty});
                theirs.append({day, theirDuty});
            }
        }) ||
        mine.isEmpty())
        return false;
    const QString text =
        mine.size() == 1
            ? QStringLiteral("Reprendre le %1 de %2")
                  .arg(DayText(mine.constFirst().day), other.name)
            : QStringLiteral("Reprendre %1 jours de %2").arg(mine.size()).arg(other.name);
    return document_->replaceDuties(mine, theirs, text);
}

std::optional<QList<JournalEntry>> RosterSession::journal() const
{
    std::optional<QList<JournalEntry>> entries =
        RosterJournal::Read(document_->roster().database());
    if (entries)
        std::reverse(entries->begin(), entries->end());
    return entries;
}
