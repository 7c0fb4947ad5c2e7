#include "generator/RosterGenerator.h"

#include "document/Interaction.h"
#include "generator/WeekdayRotation.h"
#include "generator/WeekendRotation.h"
#include "store/BlankRoster.h"
#include "store/DatabaseError.h"
#include "store/RosterDatabase.h"
#include "store/RotationProperty.h"
#include "store/Transaction.h"

namespace {

QList<GeneratedDay> GenerateDays(const GenerationAnswers& answers)
{
    const WeekendAnswers& weekend = answers.weekend;
    const int weekendStart =
        std::max<int>(1, weekend.order.indexOf(weekend.firstHolidayParticipant) + 1);
    WeekendRotation weekends(weekend.order, weekendStart, answers.includesWeekends,
                             answers.eveOption, answers.grouping);
    std::optional<WeekdayRotation> weekdays;
    if (answers.includesWeekdays && !answers.weekday.periodTable.isEmpty())
        weekdays.emplace(answers.weekday, answers.year);

    QList<GeneratedDay> days;
    const QDate end(answers.year + 1, 1, 1);
    for (QDate day(answers.year, 1, 1); day < end; day = day.addDays(1)) {
        // Whether the weekday rotation serves the day is settled before the weekend rule may
        // close the run.
        const bool weekdayDay = weekends.classify(day);
        QString doctor;
        if (!weekdayDay)
            doctor = weekends.take(day);
        else if (weekdays)
            doctor = weekdays->participant();
        if (weekdays)
            weekdays->advance(day, weekdayDay);
        days.append({day, DayTypeOf(day), doctor});
    }
    return days;
}

AdministrativeData AdministrativeDataOf(const QString& doctor,
                                        const QList<AdministrativeData>& imported)
{
    for (const AdministrativeData& data : imported) {
        if (data.doctor == doctor)
            return data;
    }
    return {doctor, {}, {}, {}, {}, {}};
}

// The participant's row, added when missing.
GeneratedParticipant& RowOf(QList<GeneratedParticipant>& rows, const QString& doctor,
                            const QList<AdministrativeData>& imported)
{
    for (GeneratedParticipant& row : rows) {
        if (row.doctor == doctor)
            return row;
    }
    rows.append({doctor, false, false, AdministrativeDataOf(doctor, imported)});
    return rows.last();
}

QList<GeneratedParticipant> GenerateParticipants(const GenerationAnswers& answers)
{
    QList<GeneratedParticipant> rows;
    if (answers.includesWeekends) {
        for (const QString& doctor : answers.weekend.order)
            RowOf(rows, doctor, answers.administrativeData).weekends = true;
    }
    if (answers.includesWeekdays) {
        QStringList weekdayDoctors = SecondaryList(answers.weekday.periodTable);
        const int count = static_cast<int>(answers.weekday.participants.size());
        if (IsFloatingMode(count, answers.weekday.option))
            weekdayDoctors.append(answers.weekday.floatingParticipant);
        for (const QString& doctor : weekdayDoctors)
            RowOf(rows, doctor, answers.administrativeData).weekdays = true;
    }
    return rows;
}

void WriteDays(const RosterDatabase& db, const QList<GeneratedDay>& days)
{
    Statement insert = db.prepare(R"(INSERT INTO [Garde] ([Jour], [Médecin], [Type])
                                     VALUES (?1, ?2, ?3))");
    for (const GeneratedDay& day : days) {
        insert.bind(1, day.date).bind(2, day.doctor).bind(3, static_cast<int>(day.type));
        insert.execute();
        insert.reset();
    }
}

void WriteParticipants(const RosterDatabase& db, const QList<GeneratedParticipant>& rows)
{
    Statement insert = db.prepare(R"(INSERT INTO [Participants] ([Médecin], [Semaine], [WE],
                                     [Etat-Civil], [Identification], [Adresse], [CP], [Ville])
                                     VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8))");
    for (const GeneratedParticipant& row : rows) {
        const AdministrativeData& data = row.administrativeData;
        insert.bind(1, row.doctor).bind(2, row.weekdays).bind(3, row.weekends);
        insert.bind(4, data.civilName).bind(5, data.identification).bind(6, data.address);
        insert.bind(7, data.postalCode).bind(8, data.town);
        // A participant the database refuses is left out; the roster is usable without it.
        try {
            insert.execute();
        } catch (const DatabaseError&) {
        }
        insert.reset();
    }
}

} // namespace

GeneratedRoster GenerateRoster(const GenerationAnswers& answers)
{
    return {GenerateDays(answers), GenerateParticipants(answers)};
}

std::unique_ptr<RosterDatabase> WriteGeneratedRoster(const GeneratedRoster& roster)
{
    return CreateRosterDatabase([&roster](const RosterDatabase& db) {
        Transaction transaction(db);
        WriteDays(db, roster.days);
        WriteParticipants(db, roster.participants);
        // The year as generated, for a correction to go back to.
        QStringList holders;
        for (const GeneratedDay& day : roster.days)
            holders.append(day.doctor);
        db.setProperty(RotationProperty::Name, RotationProperty::Text(holders));
        transaction.commit();
    });
}

std::unique_ptr<RosterDatabase> CreateGeneratedRoster(const GenerationAnswers& answers,
                                                      Interaction& ui)
{
    std::unique_ptr<RosterDatabase> db = WriteGeneratedRoster(GenerateRoster(answers));
    if (!db)
        ui.tell(RosterCreationFailedMessage(), MessageIcon::Critical);
    return db;
}
