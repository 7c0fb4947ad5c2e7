#include "Roster.h"

#include "DatabaseError.h"
#include "RosterSchema.h"

Roster::Roster(std::unique_ptr<RosterDatabase> db)
    : db_(std::move(db))
{
}

std::unique_ptr<Roster> Roster::load(const QString& workPath)
{
    std::unique_ptr<RosterDatabase> db = RosterDatabase::open(workPath);
    return db ? load(std::move(db)) : nullptr;
}

std::unique_ptr<Roster> Roster::load(std::unique_ptr<RosterDatabase> db)
{
    std::unique_ptr<Roster> roster(new Roster(std::move(db)));
    try {
        roster->read();
    } catch (const DatabaseError&) {
        return nullptr;
    }
    return roster->days_.isEmpty() ? nullptr : std::move(roster);
}

void Roster::read()
{
    Statement days =
        db_->prepare(R"(SELECT [Jour], [Médecin], [Type], [Indispo] FROM [Garde] ORDER BY [Jour])");
    while (days.step()) {
        days_.append(
            {days.date(0), days.text(1), static_cast<DayType>(days.integer(2)), days.boolean(3)});
    }
    Statement participants = db_->prepare(R"(SELECT [Médecin] FROM [Participants] ORDER BY rowid)");
    while (participants.step())
        participants_.append(participants.text(0));
    sector_ = db_->property(RosterSchema::SectorProperty).value_or(QString());
}

QStringList Roster::sharedDoctors(QDate day) const
{
    QStringList doctors;
    Statement intervals =
        db_->prepare(R"(SELECT [Médecin] FROM [Partagé] WHERE [Jour] = ?1 ORDER BY [HDébut])");
    intervals.bind(1, day);
    while (intervals.step())
        doctors.append(intervals.text(0));
    return doctors;
}

bool Roster::hasInterval(QDate day, const QString& doctor) const
{
    Statement interval =
        db_->prepare(R"(SELECT 1 FROM [Partagé] WHERE [Jour] = ?1 AND [Médecin] = ?2 LIMIT 1)");
    interval.bind(1, day).bind(2, doctor);
    return interval.step();
}
