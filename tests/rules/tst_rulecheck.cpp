#include "rules/RuleCheck.h"
#include "rules/SwapProposals.h"
#include "store/Calendar.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A 2011 roster of A and B, A away from 10 to 12 August ("Congés"), with these duties: "5/3 A",
// or a shared day "2/3 A 0 12 B 12.5 24" in duty hours.
RosterFacts Facts(const QStringList& duties)
{
    RosterFacts facts;
    for (QDate day(2011, 1, 1); day.year() == 2011; day = day.addDays(1))
        facts.days.append({day, {}, DayTypeOf(day), false});
    facts.participants = {"A", "B"};
    facts.absences = {{"A", {2011, 8, 10}, {2011, 8, 12}, "Congés"}};
    for (const QString& duty : duties) {
        const QStringList part = duty.split(' ');
        const QDate day = QDate::fromString(part[0] + "/2011", "d/M/yyyy");
        RosterDay& row = facts.days[QDate(2011, 1, 1).daysTo(day)];
        row.doctor = part.size() == 2 ? part[1] : SharedDutyMarker;
        for (qsizetype i = 1; i + 2 < part.size(); i += 3)
            facts.intervals[day].append({part[i], part[i + 1].toDouble(), part[i + 2].toDouble()});
    }
    return facts;
}

} // namespace

class TestRuleCheck : public QObject {
    Q_OBJECT

private slots:
    // Each rule on the nearest cases that must and must not raise an alert.
    void alerts_data()
    {
        QTest::addColumn<QStringList>("duties");
        QTest::addColumn<QString>("rules");      // changes from the defaults
        QTest::addColumn<QStringList>("alerts"); // "day text"
        QTest::newRow("on duty while away") << QStringList{"10/8 A", "13/8 A"} << ""
                                            << QStringList{"10/8 A est absent ce jour (Congés)"};
        QTest::newRow("away, sharing the day") << QStringList{"11/8 B 0 12 A 12 24"} << ""
                                               << QStringList{"11/8 A est absent ce jour (Congés)"};
        QTest::newRow("Friday then Saturday")
            << QStringList{"4/3 A", "5/3 A"} << "" << QStringList{"5/3 A est de garde la veille"};
        QTest::newRow("a day between") << QStringList{"4/3 A", "6/3 A"} << "" << QStringList{};
        // A weekend, the holidays joined to it and a holiday's eve are one duty each.
        QTest::newRow("a whole weekend") << QStringList{"5/3 A", "6/3 A"} << "" << QStringList{};
        QTest::newRow("Easter weekend and its Monday")
            << QStringList{"23/4 A", "24/4 A", "25/4 A"} << "" << QStringList{};
        QTest::newRow("the eve of Ascension")
            << QStringList{"1/6 A", "2/6 A"} << "" << QStringList{};
        QTest::newRow("Friday then his weekend") << QStringList{"4/3 A", "5/3 A", "6/3 A"} << ""
                                                 << QStringList{"5/3 A est de garde la veille"};
        QTest::newRow("Whit Monday after another's Sunday")
            << QStringList{"11/6 A", "12/6 B", "13/6 A"} << ""
            << QStringList{"13/6 A est de garde le lundi après son week-end"};
        QTest::newRow("his weekend then an ordinary Monday")
            << QStringList{"5/3 A", "6/3 A", "7/3 A"} << ""
            << QStringList{"7/3 A est de garde la veille",
                           "7/3 A est de garde le lundi après son week-end"};
        QTest::newRow("Sunday then Monday")
            << QStringList{"6/3 A", "7/3 A"} << ""
            << QStringList{"7/3 A est de garde la veille",
                           "7/3 A est de garde le lundi après son week-end"};
        QTest::newRow("Saturday then Monday")
            << QStringList{"5/3 A", "7/3 A"} << ""
            << QStringList{"7/3 A est de garde le lundi après son week-end"};
        QTest::newRow("Saturday then Tuesday")
            << QStringList{"5/3 A", "8/3 A"} << "" << QStringList{};
        QTest::newRow("2 weekends of 3")
            << QStringList{"5/3 A", "13/3 A", "26/3 A"} << "" << QStringList{};
        const QString crowded = u"A est de garde plus de 2 week-ends sur 3"_s;
        QTest::newRow("3 weekends of 3")
            << QStringList{"5/3 A", "13/3 A", "19/3 A"} << ""
            << QStringList{"5/3 " + crowded, "13/3 " + crowded, "19/3 " + crowded};
        QTest::newRow("3 weekends of 4, 2 of 4 allowed")
            << QStringList{"5/3 A", "12/3 A", "26/3 A"} << "2 of 4"
            << QStringList{"5/3 A est de garde plus de 2 week-ends sur 4",
                           "12/3 A est de garde plus de 2 week-ends sur 4",
                           "26/3 A est de garde plus de 2 week-ends sur 4"};
        QTest::newRow("nobody on 1 March") << QStringList{"2/3 A"} << "nobody"
                                           << QStringList{"1/3 Personne n'est de garde ce jour"};
        QTest::newRow("intervals all held by nobody, hours rule off")
            << QStringList{"1/3 A", "2/3  0 24"} << "nobody, no hours"
            << QStringList{"2/3 Personne n'est de garde ce jour"};
        QTest::newRow("a half-hour gap")
            << QStringList{"2/3 A 0 12 B 12.5 24"} << ""
            << QStringList{"2/3 Personne n'est de garde de 20:00 à 20:30"};
        QTest::newRow("08:00 to 08:00 exactly")
            << QStringList{"2/3 A 0 12 B 12 24"} << "" << QStringList{};
        QTest::newRow("both ends open")
            << QStringList{"2/3 A 0.5 23.5"} << ""
            << QStringList{"2/3 Personne n'est de garde de 08:00 à 08:30, de 07:30 à 08:00"};
        QTest::newRow("an interval held by nobody")
            << QStringList{"2/3 A 0 12  12 24"} << ""
            << QStringList{"2/3 Personne n'est de garde de 20:00 à 08:00"};
        QTest::newRow("a name not in the list")
            << QStringList{"2/3 Z", "3/3 B"} << ""
            << QStringList{"2/3 Z ne figure pas dans la liste des participants"};
    }

    void alerts()
    {
        QFETCH(QStringList, duties);
        QFETCH(QString, rules);
        QFETCH(QStringList, alerts);
        RosterRules checked;
        checked.dayWithoutDuty = rules.startsWith("nobody");
        checked.uncoveredHours = !rules.contains("no hours");
        if (rules == "2 of 4")
            checked.weekendsWindow = 4;
        // The year's other days hold nobody either: only 1 and 2 March are looked at then.
        const QDate first = checked.dayWithoutDuty ? QDate(2011, 3, 1) : QDate(2011, 1, 1);
        const QDate last = checked.dayWithoutDuty ? first.addDays(1) : QDate(2011, 12, 31);

        QStringList found;
        for (const RuleAlert& alert : CheckRules(Facts(duties), checked, first, last))
            found.append(alert.day.toString("d/M ") + alert.text);

        QCOMPARE(found, alerts);
    }

    // A year that breaks each rule once: with one rule switched off, its alerts alone go.
    void aRuleSwitchedOffIsSilent_data()
    {
        QTest::addColumn<Rule>("silenced");
        QTest::newRow("two days running") << Rule::TwoDaysRunning;
        QTest::newRow("the Monday after one's weekend") << Rule::DayAfterWeekend;
        QTest::newRow("too many weekends") << Rule::TooManyWeekends;
        QTest::newRow("a day without anyone") << Rule::DayWithoutDuty;
        QTest::newRow("hours without anyone") << Rule::UncoveredHours;
        QTest::newRow("a name not in the list") << Rule::UnknownName;
    }

    void aRuleSwitchedOffIsSilent()
    {
        QFETCH(Rule, silenced);
        const RosterFacts facts = Facts({"2/3 A 0 12 B 12.5 24", "3/3 Z", "8/3 A", "9/3 A",
                                         "12/3 A", "14/3 A", "19/3 A", "26/3 A"});
        const auto rulesFound = [&facts](const RosterRules& rules) {
            QSet<Rule> found;
            for (const RuleAlert& alert :
                 CheckRules(facts, rules, QDate(2011, 3, 1), QDate(2011, 3, 31)))
                found.insert(alert.rule);
            return found;
        };
        QSet<Rule> expected = rulesFound({});
        QCOMPARE(expected.size(), 6);
        expected.remove(silenced);
        RosterRules rules;
        rules.twoDaysRunning = silenced != Rule::TwoDaysRunning;
        rules.dayAfterWeekend = silenced != Rule::DayAfterWeekend;
        rules.tooManyWeekends = silenced != Rule::TooManyWeekends;
        rules.dayWithoutDuty = silenced != Rule::DayWithoutDuty;
        rules.uncoveredHours = silenced != Rule::UncoveredHours;
        rules.unknownName = silenced != Rule::UnknownName;
        QCOMPARE(rulesFound(rules), expected);
    }

    // B in the group from 10 March until 21 March: his days outside it are pointed out, those
    // within it are his own.
    void daysOutsideTheGroup()
    {
        RosterFacts facts = Facts({"1/3 B", "10/3 B", "21/3 B", "22/3 B"});
        facts.presences.insert("B", {{2011, 3, 10}, {2011, 3, 22}});
        RosterRules rules;
        rules.dayWithoutDuty = false;
        QStringList found;
        for (const RuleAlert& alert : CheckRules(facts, rules, {2011, 1, 1}, {2011, 12, 31}))
            found.append(alert.day.toString("d/M ") + alert.text);
        QCOMPARE(found, (QStringList{"1/3 B ne fait partie du groupe qu'à partir du 10 mars",
                                     "22/3 B est de garde la veille",
                                     "22/3 B ne fait plus partie du groupe depuis le 22 mars"}));
    }

    // A on duty on Wednesday 9 and Thursday 10 March, B on Thursday 17: the exchanges that
    // clear the alert of the 10th, best first (at most three shown).
    void swapProposals_data()
    {
        QTest::addColumn<bool>("emptyDayAlerts");
        QTest::addColumn<bool>("receiverAway");
        QTest::addColumn<QStringList>("proposed");
        QTest::newRow("nearest weekdays first")
            << false << false << QStringList{"11/3 weekday", "7/3 weekday", "14/3 weekday"};
        QTest::newRow("an empty day would be an alert")
            << true << false << QStringList{"17/3 weekday"};
        QTest::newRow("the one receiving the day is away") << true << true << QStringList{};
    }

    void swapProposals()
    {
        QFETCH(bool, emptyDayAlerts);
        QFETCH(bool, receiverAway);
        QFETCH(QStringList, proposed);
        RosterFacts facts = Facts({"9/3 A", "10/3 A", "17/3 B"});
        if (receiverAway)
            facts.absences.append({"B", {2011, 3, 10}, {2011, 3, 10}, {}});
        RosterRules rules;
        rules.dayWithoutDuty = emptyDayAlerts;
        const QDate day(2011, 3, 10);
        const RuleAlert alert = CheckRules(facts, rules, day, day).constFirst();
        QCOMPARE(alert.text, u"A est de garde la veille"_s);

        QStringList found;
        for (const SwapProposal& proposal : ProposeSwaps(facts, rules, alert).mid(0, 3))
            found.append(proposal.others.constFirst().toString("d/M ") +
                         (proposal.sameType ? u"weekday"_s : u"other"_s));
        QCOMPARE(found, proposed);
    }

    // A on duty on Friday 4 March and the weekend after: the weekend goes whole, against
    // another weekend held by one participant, never split or against single days.
    void aWeekendIsExchangedWhole()
    {
        const RosterFacts facts = Facts({"4/3 A", "5/3 A", "6/3 A", "12/3 B", "13/3 B", "19/3 B"});
        RosterRules rules;
        rules.dayWithoutDuty = false;
        const QDate saturday(2011, 3, 5);
        const RuleAlert alert = CheckRules(facts, rules, saturday, saturday).constFirst();
        QCOMPARE(alert.text, u"A est de garde la veille"_s);
        const SwapProposal whole{
            {saturday, QDate(2011, 3, 6)}, {QDate(2011, 3, 12), QDate(2011, 3, 13)}, true, 1};
        QCOMPARE(ProposeSwaps(facts, rules, alert), QList<SwapProposal>{whole});
    }
};

QTEST_GUILESS_MAIN(TestRuleCheck)
#include "tst_rulecheck.moc"
