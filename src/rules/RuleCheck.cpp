#include "rules/RuleCheck.h"

#include "document/EditTexts.h"
#include "rules/DutyBlocks.h"
#include "store/DutyHours.h"

#include <QSet>

#include <algorithm>
#include <tuple>

namespace {

// The alerts of a range of days, from facts read once.
class RuleChecker {
public:
    RuleChecker(const RosterFacts& facts, const RosterRules& rules)
        : facts_(facts)
        , rules_(rules)
        , participants_(facts.participants.cbegin(), facts.participants.cend())
    {
        for (const RosterDay& day : facts.days) {
            onDuty_.insert(day.date, doctorsOf(day));
            types_.insert(day.date, day.type);
        }
        for (const Absence& absence : facts.absences)
            absences_[absence.doctor].append(absence);
    }

    QList<RuleAlert> check(QDate first, QDate last)
    {
        for (const RosterDay& day : facts_.days) {
            if (day.date < first || day.date > last)
                continue;
            const qsizetype start = alerts_.size();
            checkDay(day);
            std::sort(alerts_.begin() + start, alerts_.end(),
                      [](const RuleAlert& a, const RuleAlert& b) {
                          return std::tie(a.rule, a.doctor) < std::tie(b.rule, b.doctor);
                      });
        }
        return alerts_;
    }

private:
    // Whoever holds the day or one of its intervals.
    QStringList doctorsOf(const RosterDay& day) const
    {
        if (day.doctor != SharedDutyMarker)
            return day.doctor.isEmpty() ? QStringList() : QStringList{day.doctor};
        QStringList doctors;
        for (const SharedInterval& interval : facts_.intervals.value(day.date)) {
            if (!interval.doctor.isEmpty() && !doctors.contains(interval.doctor))
                doctors.append(interval.doctor);
        }
        return doctors;
    }

    bool isOnDuty(QDate day, const QString& doctor) const
    {
        return onDuty_.value(day).contains(doctor);
    }

    void alert(QDate day, const QString& doctor, Rule rule, const QString& text)
    {
        alerts_.append({day, doctor, rule, text});
    }

    // Whether the doctor holds the day before and it is the same duty as this day's.
    bool continuesFromDayBefore(QDate day, const QString& doctor) const
    {
        const QDate before = day.addDays(-1);
        return isOnDuty(before, doctor) && types_.contains(before) &&
               ContinuesDuty(types_.value(before), types_.value(day));
    }

    void checkDay(const RosterDay& day)
    {
        // A shared day whose intervals all lie with nobody is as empty as a blank one.
        const QStringList& doctors = onDuty_.value(day.date);
        if (doctors.isEmpty()) {
            if (rules_.dayWithoutDuty)
                alert(day.date, {}, Rule::DayWithoutDuty,
                      QStringLiteral("Personne n'est de garde ce jour"));
            return;
        }
        if (rules_.uncoveredHours && day.doctor == SharedDutyMarker)
            checkCoverage(day.date);
        for (const QString& doctor : doctors)
            checkDoctor(day.date, doctor);
    }

    // The duty day runs from 08:00 to 08:00: every half hour of it needs someone.
    void checkCoverage(QDate day)
    {
        QList<SharedInterval> intervals = facts_.intervals.value(day);
        std::sort(
            intervals.begin(), intervals.end(),
            [](const SharedInterval& a, const SharedInterval& b) { return a.start < b.start; });
        double covered = 0;
        QStringList gaps;
        for (const SharedInterval& interval : std::as_const(intervals)) {
            // An interval held by nobody (another program may write one) covers nothing.
            if (interval.doctor.isEmpty())
                continue;
            if (interval.start > covered)
                gaps.append(QStringLiteral("de %1 à %2")
                                .arg(HoursToText(covered), HoursToText(interval.start)));
            covered = std::max(covered, interval.end);
        }
        if (covered < 24)
            gaps.append(QStringLiteral("de %1 à %2").arg(HoursToText(covered), HoursToText(24)));
        if (!gaps.isEmpty())
            alert(
                day, {}, Rule::UncoveredHours,
                QStringLiteral("Personne n'est de garde %1").arg(gaps.join(QStringLiteral(", "))));
    }

    void checkDoctor(QDate day, const QString& doctor)
    {
        if (rules_.unknownName)
            checkInTheGroup(day, doctor);
        for (const Absence& absence : absences_.value(doctor)) {
            if (absence.first <= day && day <= absence.last)
                alert(
                    day, doctor, Rule::Absent,
                    absence.reason.isEmpty()
                        ? QStringLiteral("%1 est absent ce jour").arg(doctor)
                        : QStringLiteral("%1 est absent ce jour (%2)").arg(doctor, absence.reason));
        }
        // The days of his weekend, a holiday joined to it, are one duty, not two days running.
        const bool continuesHisDuty = continuesFromDayBefore(day, doctor);
        if (rules_.twoDaysRunning && isOnDuty(day.addDays(-1), doctor) && !continuesHisDuty)
            alert(day, doctor, Rule::TwoDaysRunning,
                  QStringLiteral("%1 est de garde la veille").arg(doctor));
        if (rules_.dayAfterWeekend && day.dayOfWeek() == Qt::Monday && !continuesHisDuty &&
            (isOnDuty(day.addDays(-1), doctor) || isOnDuty(day.addDays(-2), doctor)))
            alert(day, doctor, Rule::DayAfterWeekend,
                  QStringLiteral("%1 est de garde le lundi après son week-end").arg(doctor));
        if (rules_.tooManyWeekends && day.dayOfWeek() >= Qt::Saturday &&
            isInCrowdedWeekends(day, doctor))
            alert(day, doctor, Rule::TooManyWeekends,
                  QStringLiteral("%1 est de garde plus de %2 week-ends sur %3")
                      .arg(doctor)
                      .arg(rules_.weekendsAllowed)
                      .arg(rules_.weekendsWindow));
    }

    void checkInTheGroup(QDate day, const QString& doctor)
    {
        if (!participants_.contains(doctor)) {
            alert(day, doctor, Rule::UnknownName,
                  QStringLiteral("%1 ne figure pas dans la liste des participants").arg(doctor));
            return;
        }
        const Presence presence = facts_.presences.value(doctor);
        if (presence.includes(day))
            return;
        alert(day, doctor, Rule::UnknownName,
              presence.arrival.isValid() && day < presence.arrival
                  ? QStringLiteral("%1 ne fait partie du groupe qu'à partir du %2")
                        .arg(doctor, DayText(presence.arrival))
                  : QStringLiteral("%1 ne fait plus partie du groupe depuis le %2")
                        .arg(doctor, DayText(presence.departure)));
    }

    bool worksWeekend(QDate saturday, const QString& doctor) const
    {
        return isOnDuty(saturday, doctor) || isOnDuty(saturday.addDays(1), doctor);
    }

    // Whether one of the runs of consecutive weekends that holds this day's weekend has more
    // of the doctor's than the rule allows.
    bool isInCrowdedWeekends(QDate day, const QString& doctor) const
    {
        const QDate saturday = day.addDays(Qt::Saturday - day.dayOfWeek());
        const int window = std::max(1, rules_.weekendsWindow);
        for (int start = 1 - window; start <= 0; ++start) {
            int worked = 0;
            for (int weekend = start; weekend < start + window; ++weekend)
                worked += worksWeekend(saturday.addDays(7 * weekend), doctor) ? 1 : 0;
            if (worked > rules_.weekendsAllowed)
                return true;
        }
        return false;
    }

    const RosterFacts& facts_;
    const RosterRules& rules_;
    QSet<QString> participants_;
    QHash<QDate, QStringList> onDuty_;
    QHash<QDate, DayType> types_;
    QHash<QString, QList<Absence>> absences_;
    QList<RuleAlert> alerts_;
};

} // namespace

RosterFacts FactsOf(const Roster& roster)
{
    RosterFacts facts{roster.days(), roster.allIntervals(), roster.participants(),
                      roster.absences()};
    for (const Participant& participant : roster.participantRows()) {
        if (!participant.presence.isWholeYear())
            facts.presences.insert(participant.data.doctor, participant.presence);
    }
    return facts;
}

QList<RuleAlert> CheckRules(const RosterFacts& facts, const RosterRules& rules, QDate first,
                            QDate last)
{
    return RuleChecker(facts, rules).check(first, last);
}
