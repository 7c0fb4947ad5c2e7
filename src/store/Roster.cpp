#include "store/Roster.h"

#include "store/DutyHours.h"

#include "store/DatabaseError.h"
#include "store/RosterSchema.h"
#include "store/RotationProperty.h"
#include "store/Transaction.h"

#include <sqlite3.h>

#include <algorithm>
#include <tuple>

Roster::Roster(std::unique_ptr<RosterDatabase> db)
    : db_(std::move(db))
{
}

std::unique_ptr<Roster> Roster::load(const QString& workPath)
{
    return load(RosterDatabase::open(workPath));
}

std::unique_ptr<Roster> Roster::load(std::unique_ptr<RosterDatabase> db)
{
    if (!db)
        return nullptr;
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
        dayIndex_.insert(days.date(0), days_.size());
        days_.append(
            {days.date(0), days.text(1), static_cast<DayType>(days.integer(2)), days.boolean(3)});
    }
    Statement participants = db_->prepare(
        R"(SELECT rowid, [Médecin], [Etat-Civil], [Identification], [Adresse], [CP], [Ville],
                  [Semaine], [WE], [Arrivée], [Départ]
           FROM [Participants] ORDER BY rowid)");
    while (participants.step()) {
        rowIds_.append(participants.integer64(0));
        participants_.append(participants.text(1));
        rows_.append({{participants.text(1), participants.text(2), participants.text(3),
                       participants.text(4), participants.text(5), participants.text(6)},
                      participants.boolean(7),
                      participants.boolean(8),
                      {participants.date(9), participants.date(10)}});
    }
    sector_ = db_->property(RosterSchema::SectorProperty).value_or(QString());
    Statement absences =
        db_->prepare(R"(SELECT [Médecin], [Début], [Fin], [Motif] FROM [Absences])");
    while (absences.step())
        absences_.append({absences.text(0), absences.date(1), absences.date(2), absences.text(3)});
    SortAbsences(absences_);
    readRules();
    readKeptDays();
    rotation_ = RotationProperty::Holders(db_->property(RotationProperty::Name).value_or(QString()),
                                          days_.size());
}

QStringList Roster::namesOutsideTheList() const
{
    Statement holders = db_->prepare(
        R"(SELECT [Médecin] FROM [Garde] WHERE [Médecin] != '' AND [Médecin] != ?1
           UNION SELECT [Médecin] FROM [Partagé] WHERE [Médecin] != '' ORDER BY 1)");
    holders.bind(1, SharedDutyMarker);
    QStringList names;
    while (holders.step()) {
        if (!participants_.contains(holders.text(0)))
            names.append(holders.text(0));
    }
    return names;
}

bool Roster::hasInterval(QDate day, const QString& doctor) const
{
    Statement interval =
        db_->prepare(R"(SELECT 1 FROM [Partagé] WHERE [Jour] = ?1 AND [Médecin] = ?2 LIMIT 1)");
    interval.bind(1, day).bind(2, doctor);
    return interval.step();
}

const RosterDay* Roster::day(QDate date) const
{
    const auto found = dayIndex_.constFind(date);
    return found == dayIndex_.cend() ? nullptr : &days_.at(*found);
}

RosterDay& Roster::dayRow(QDate date)
{
    const auto found = dayIndex_.constFind(date);
    if (found == dayIndex_.cend())
        throw DatabaseError(SQLITE_NOTFOUND, "the roster has no such day");
    return days_[*found];
}

QList<SharedInterval> Roster::intervals(QDate day) const
{
    QList<SharedInterval> result;
    Statement select = db_->prepare(
        R"(SELECT [Médecin], [HDébut], [HFin] FROM [Partagé] WHERE [Jour] = ?1 ORDER BY [HDébut])");
    select.bind(1, day);
    while (select.step())
        result.append({select.text(0), select.real(1), select.real(2)});
    return result;
}

QHash<QDate, QList<SharedInterval>> Roster::allIntervals() const
{
    QHash<QDate, QList<SharedInterval>> result;
    Statement select = db_->prepare(
        R"(SELECT [Jour], [Médecin], [HDébut], [HFin] FROM [Partagé] ORDER BY [Jour], [HDébut])");
    while (select.step())
        result[select.date(0)].append({select.text(1), select.real(2), select.real(3)});
    return result;
}

void Roster::deleteIntervals(QDate day)
{
    db_->prepare(R"(DELETE FROM [Partagé] WHERE [Jour] = ?1)").bind(1, day).execute();
}

void Roster::insertIntervals(QDate day, const QList<SharedInterval>& intervals)
{
    Statement insert = db_->prepare(
        R"(INSERT INTO [Partagé] ([Jour], [Médecin], [HDébut], [HFin]) VALUES (?1, ?2, ?3, ?4))");
    for (const SharedInterval& interval : intervals) {
        insert.bind(1, day).bind(2, interval.doctor).bind(3, interval.start).bind(4, interval.end);
        insert.execute();
        insert.reset();
    }
}

void Roster::writeDoctor(QDate day, const QString& doctor)
{
    db_->prepare(R"(UPDATE [Garde] SET [Médecin] = ?1 WHERE [Jour] = ?2)")
        .bind(1, doctor)
        .bind(2, day)
        .execute();
}

DayDuty Roster::duty(QDate day) const
{
    const RosterDay* row = this->day(day);
    if (!row)
        return {};
    return {row->doctor,
            row->doctor == SharedDutyMarker ? intervals(day) : QList<SharedInterval>()};
}

void Roster::setDuties(const QList<DatedDuty>& duties)
{
    Transaction transaction(*db_);
    writeDuties(duties);
    transaction.commit();
    keepDuties(duties);
}

void Roster::writeDuties(const QList<DatedDuty>& duties)
{
    for (const DatedDuty& written : duties) {
        dayRow(written.day);
        deleteIntervals(written.day);
        writeDoctor(written.day, written.duty.doctor);
        insertIntervals(written.day, written.duty.intervals);
    }
}

void Roster::keepDuties(const QList<DatedDuty>& duties)
{
    for (const DatedDuty& written : duties)
        dayRow(written.day).doctor = written.duty.doctor;
}

void Roster::setProperties(QDate day, DayType type, bool unavailable)
{
    RosterDay& row = dayRow(day);
    db_->prepare(R"(UPDATE [Garde] SET [Type] = ?1, [Indispo] = ?2 WHERE [Jour] = ?3)")
        .bind(1, static_cast<int>(type))
        .bind(2, unavailable)
        .bind(3, day)
        .execute();
    row.type = type;
    row.unavailable = unavailable;
}

QList<QDate> Roster::unavailableDays() const
{
    QList<QDate> result;
    for (const RosterDay& row : days_) {
        if (row.unavailable)
            result.append(row.date);
    }
    return result;
}

void Roster::setUnavailableDays(const QList<QDate>& days)
{
    Transaction transaction(*db_);
    db_->execute(R"(UPDATE [Garde] SET [Indispo] = 0)");
    Statement mark = db_->prepare(R"(UPDATE [Garde] SET [Indispo] = 1 WHERE [Jour] = ?1)");
    for (const QDate& day : days) {
        mark.bind(1, day).execute();
        mark.reset();
    }
    transaction.commit();
    for (RosterDay& row : days_)
        row.unavailable = false;
    for (const QDate& day : days) {
        if (dayIndex_.contains(day))
            days_[dayIndex_.value(day)].unavailable = true;
    }
}

void Roster::addParticipant(const QString& name, QDate arrival)
{
    db_->prepare(R"(INSERT INTO [Participants] ([Médecin], [Semaine], [WE], [Arrivée])
                    VALUES (?1, 1, 1, ?2))")
        .bind(1, name)
        .bind(2, arrival)
        .execute();
    rowIds_.append(sqlite3_last_insert_rowid(db_->handle()));
    participants_.append(name);
    rows_.append({{name, {}, {}, {}, {}, {}}, true, true, {arrival, {}}});
}

void Roster::setPresence(qsizetype index, const Presence& presence, const QList<DatedDuty>& duties)
{
    Transaction transaction(*db_);
    db_->prepare(R"(UPDATE [Participants] SET [Arrivée] = ?1, [Départ] = ?2 WHERE rowid = ?3)")
        .bind(1, presence.arrival)
        .bind(2, presence.departure)
        .bind(3, rowIds_.at(index))
        .execute();
    if (sqlite3_changes(db_->handle()) != 1)
        throw DatabaseError(SQLITE_NOTFOUND, "the participant's row is gone");
    writeDuties(duties);
    transaction.commit();
    rows_[index].presence = presence;
    keepDuties(duties);
}

void Roster::removeLastParticipant()
{
    db_->prepare(R"(DELETE FROM [Participants] WHERE rowid = ?1)")
        .bind(1, rowIds_.last())
        .execute();
    rowIds_.removeLast();
    participants_.removeLast();
    rows_.removeLast();
}

ParticipantRow Roster::participantRow(qsizetype index) const
{
    return {rows_.at(index), rowIds_.at(index)};
}

void Roster::renameParticipant(qsizetype index, const QString& name, const QList<DatedDuty>& duties,
                               const QList<Absence>& absences)
{
    Transaction transaction(*db_);
    db_->prepare(R"(UPDATE [Participants] SET [Médecin] = ?1 WHERE rowid = ?2)")
        .bind(1, name)
        .bind(2, rowIds_.at(index))
        .execute();
    writeDuties(duties);
    writeAbsences(absences);
    QStringList rotation = rotation_;
    std::replace(rotation.begin(), rotation.end(), participants_.at(index), name);
    if (rotation != rotation_)
        db_->setProperty(RotationProperty::Name, RotationProperty::Text(rotation));
    transaction.commit();
    rotation_ = rotation;
    participants_[index] = name;
    rows_[index].data.doctor = name;
    keepDuties(duties);
    keepAbsences(absences);
}

void Roster::removeParticipant(qsizetype index, const QList<DatedDuty>& duties,
                               const QList<Absence>& absences)
{
    Transaction transaction(*db_);
    db_->prepare(R"(DELETE FROM [Participants] WHERE rowid = ?1)")
        .bind(1, rowIds_.at(index))
        .execute();
    writeDuties(duties);
    writeAbsences(absences);
    transaction.commit();
    rowIds_.removeAt(index);
    participants_.removeAt(index);
    rows_.removeAt(index);
    keepDuties(duties);
    keepAbsences(absences);
}

void Roster::restoreParticipant(qsizetype index, const ParticipantRow& row,
                                const QList<DatedDuty>& duties, const QList<Absence>& absences)
{
    const AdministrativeData& data = row.participant.data;
    Transaction transaction(*db_);
    // The row keeps its id, and so its place in the table's order.
    db_->prepare(R"(INSERT INTO [Participants] (rowid, [Médecin], [Semaine], [WE], [Etat-Civil],
                    [Identification], [Adresse], [CP], [Ville], [Arrivée], [Départ])
                    VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11))")
        .bind(1, row.rowId)
        .bind(2, data.doctor)
        .bind(3, row.participant.weekdays)
        .bind(4, row.participant.weekends)
        .bind(5, data.civilName)
        .bind(6, data.identification)
        .bind(7, data.address)
        .bind(8, data.postalCode)
        .bind(9, data.town)
        .bind(10, row.participant.presence.arrival)
        .bind(11, row.participant.presence.departure)
        .execute();
    writeDuties(duties);
    writeAbsences(absences);
    transaction.commit();
    rowIds_.insert(index, row.rowId);
    participants_.insert(index, data.doctor);
    rows_.insert(index, row.participant);
    keepDuties(duties);
    keepAbsences(absences);
}

std::optional<AdministrativeData> Roster::administrativeDataOf(const QString& doctor) const
{
    for (const Participant& row : rows_) {
        if (row.data.doctor == doctor)
            return row.data;
    }
    return std::nullopt;
}

void Roster::setAdministrativeData(qsizetype index, const AdministrativeData& data)
{
    Participant& row = rows_[index];
    Transaction transaction(*db_);
    db_->prepare(R"(UPDATE [Participants] SET [Etat-Civil] = ?1, [Identification] = ?2,
                    [Adresse] = ?3, [CP] = ?4, [Ville] = ?5 WHERE rowid = ?6)")
        .bind(1, data.civilName)
        .bind(2, data.identification)
        .bind(3, data.address)
        .bind(4, data.postalCode)
        .bind(5, data.town)
        .bind(6, rowIds_.at(index))
        .execute();
    // A row gone from the file (another program's doing) is a failure, not a save.
    if (sqlite3_changes(db_->handle()) != 1)
        throw DatabaseError(SQLITE_NOTFOUND, "the participant's row is gone");
    transaction.commit();
    row.data = {row.data.doctor, data.civilName,  data.identification,
                data.address,    data.postalCode, data.town};
}

void Roster::setSector(const QString& sector)
{
    db_->setProperty(RosterSchema::SectorProperty, sector);
    sector_ = sector;
}

void Roster::setAbsences(const QList<Absence>& absences)
{
    Transaction transaction(*db_);
    writeAbsences(absences);
    transaction.commit();
    keepAbsences(absences);
}

void Roster::writeAbsences(const QList<Absence>& absences)
{
    db_->execute(R"(DELETE FROM [Absences])");
    Statement insert = db_->prepare(
        R"(INSERT INTO [Absences] ([Médecin], [Début], [Fin], [Motif]) VALUES (?1, ?2, ?3, ?4))");
    for (const Absence& absence : absences) {
        insert.bind(1, absence.doctor)
            .bind(2, absence.first)
            .bind(3, absence.last)
            .bind(4, absence.reason)
            .execute();
        insert.reset();
    }
}

void Roster::keepAbsences(const QList<Absence>& absences)
{
    absences_ = absences;
    SortAbsences(absences_);
}

void Roster::readRules()
{
    rules_ = RulesFromTexts(
        [this](const char* name) { return db_->property(name).value_or(QString()); });
}

// Only the rules the group changed are kept in the file: a roster that never changed them
// follows the program's defaults.
void Roster::setRules(const RosterRules& rules)
{
    Transaction transaction(*db_);
    db_->setRules(rules);
    transaction.commit();
    rules_ = rules;
}

// Another program may write anything there: what is not a day of the roster's year is left out.
void Roster::readKeptDays()
{
    const QString text = db_->property(RosterSchema::KeptDaysProperty).value_or(QString());
    for (const QString& item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QDate day = QDate::fromString(item, Qt::ISODate);
        if (day.isValid() && day.year() == year())
            keptDays_.insert(day);
    }
}

void Roster::setKeptDays(const QSet<QDate>& days)
{
    QList<QDate> sorted(days.cbegin(), days.cend());
    std::sort(sorted.begin(), sorted.end());
    QStringList texts;
    for (const QDate& day : std::as_const(sorted))
        texts.append(day.toString(Qt::ISODate));
    if (texts.isEmpty())
        db_->removeProperty(RosterSchema::KeptDaysProperty);
    else
        db_->setProperty(RosterSchema::KeptDaysProperty, texts.join(QLatin1Char(' ')));
    keptDays_ = days;
}

void SortAbsences(QList<Absence>& absences)
{
    std::sort(absences.begin(), absences.end(), [](const Absence& a, const Absence& b) {
        return std::tie(a.doctor, a.first) < std::tie(b.doctor, b.first);
    });
}

QString IntervalsText(const QList<SharedInterval>& intervals)
{
    QStringList texts;
    for (const SharedInterval& interval : intervals)
        texts.append(interval.doctor + QLatin1Char(' ') + HoursToText(interval.start) +
                     QChar(0x2013) + HoursToText(interval.end));
    return texts.join(QStringLiteral(", "));
}
