#include "generator/WeekdayRotation.h"
#include "generator/WeekdayTexts.h"

#include <QTest>

namespace {

QStringList Names(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QString(QChar('A' + i)));
    return names;
}

WeekdayAnswers Answers(int count, WeekdayOption option, int weekCounter = 1)
{
    WeekdayAnswers answers;
    answers.participants = Names(count);
    answers.option = option;
    answers.periodTable = BuildPeriodTable(answers.participants, option);
    answers.weekCounter = weekCounter;
    answers.floatingParticipant = answers.participants.last();
    answers.firstParticipant = answers.participants.first();
    return answers;
}

} // namespace

class TestWeekdayRotation : public QObject {
    Q_OBJECT

private slots:
    void periodTable_data()
    {
        using enum WeekdayOption;
        QTest::addColumn<int>("count");
        QTest::addColumn<WeekdayOption>("option");
        QTest::addColumn<QStringList>("table"); // shorter than the names: floating mode
        QTest::newRow("N = 10, whole weeks") << 10 << Option1 << Names(10);
        QTest::newRow("N = 3, option 1") << 3 << Option1 << Names(3) + QStringList(2, "<Vide>");
        QTest::newRow("N = 7, option 2") << 7 << Option2 << Names(7) + QStringList(3, "<Variable>");
        QTest::newRow("N = 6, option 2: floating") << 6 << Option2 << Names(5);
        QTest::newRow("N = 6, option 1") << 6 << Option1 << Names(6) + QStringList(4, "<Vide>");
        QTest::newRow("N = 11, option 1") << 11 << Option1 << Names(11) + QStringList(4, "<Vide>");
        QTest::newRow("N = 11, option 2: floating") << 11 << Option2 << Names(10);
        QTest::newRow("N = 7, no fixed day") << 7 << NoFixedDay << Names(7);
    }

    void periodTable()
    {
        QFETCH(int, count);
        QFETCH(WeekdayOption, option);
        QFETCH(QStringList, table);
        QCOMPARE(IsFloatingMode(count, option), table.size() < count);
        QCOMPARE(PeriodLength(count, option), table.size());
        QCOMPARE(BuildPeriodTable(Names(count), option), table);
        // "Changer le nom" offers the names, then the table's filler if it has one.
        QStringList choices = Names(count);
        if (table.size() > count)
            choices.append(table.last());
        QCOMPARE(ChangeNameChoices(Names(count), option), choices);
    }

    void moves_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("newSelected");
        QTest::addColumn<QStringList>("table");
        QTest::newRow("first up: exchanged with the last")
            << true << 1 << 5 << QStringList{"E", "B", "C", "D", "A"};
        QTest::newRow("middle up") << true << 3 << 2 << QStringList{"A", "C", "B", "D", "E"};
        QTest::newRow("last down: exchanged with the first")
            << false << 5 << 1 << QStringList{"E", "B", "C", "D", "A"};
        QTest::newRow("middle down") << false << 2 << 3 << QStringList{"A", "C", "B", "D", "E"};
    }

    void moves()
    {
        QFETCH(bool, up);
        QFETCH(int, selected);
        QFETCH(int, newSelected);
        QFETCH(QStringList, table);
        QStringList ordering = Names(5);
        QCOMPARE(up ? MoveUp(ordering, selected) : MoveDown(ordering, selected), newSelected);
        QCOMPARE(ordering, table);
    }

    void startOfTheYear_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("weekCounter");
        QTest::addColumn<int>("firstWeekday"); // in January
        QTest::addColumn<int>("firstMondayToFriday");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("newYear");
        QTest::newRow("2013, Tuesday") << 2013 << 10 << 1 << 2 << 1 << 3 << 2;
        QTest::newRow("2013, second week") << 2013 << 10 << 2 << 2 << 1 << 8 << 7;
        QTest::newRow("2016, Friday") << 2016 << 10 << 1 << 4 << 1 << 1 << 10;
        QTest::newRow("2011, Saturday") << 2011 << 10 << 1 << 3 << 3 << 1 << 1;
        QTest::newRow("2013, one week") << 2013 << 5 << 1 << 2 << 1 << 3 << 2;
    }

    void startOfTheYear()
    {
        QFETCH(int, year);
        QFETCH(int, count);
        QFETCH(int, weekCounter);
        QFETCH(int, firstWeekday);
        QFETCH(int, firstMondayToFriday);
        QFETCH(int, start);
        QFETCH(int, newYear);
        const WeekdayAnswers answers = Answers(count, WeekdayOption::Option1, weekCounter);
        QCOMPARE(FirstWeekdayDate(year), QDate(year, 1, firstWeekday));
        QCOMPARE(FirstMondayToFridayDate(year), QDate(year, 1, firstMondayToFriday));
        QCOMPARE(StartPosition(answers, year), start);
        QCOMPARE(PositionAtNewYear(answers, year), newYear);
    }

    void noFixedDayStartsAtTheFirstParticipant()
    {
        WeekdayAnswers answers = Answers(7, WeekdayOption::NoFixedDay);
        answers.firstParticipant = "D";
        QCOMPARE(StartPosition(answers, 2013), 4);
        QCOMPARE(PositionAtNewYear(answers, 2013), 4);
    }

    void floatingParticipantReplacesEachPositionOncePerCycle()
    {
        WeekdayAnswers answers = Answers(6, WeekdayOption::Option2);
        answers.step5Choice = 2;
        WeekdayRotation rotation(answers, 2013);
        const int period = 5;
        QList<int> replaced;
        QList<int> turns;
        QDate day = FirstMondayToFridayDate(2013);
        for (int i = 0; i < 6 * period; ++i, day = NextMondayToFriday(day)) {
            if (rotation.participant() == "F") {
                replaced.append(i % period);
                turns.append(i);
            }
            rotation.advance(day, true);
        }
        std::sort(replaced.begin(), replaced.end());
        QCOMPARE(replaced, (QList<int>{0, 1, 2, 3, 4}));
        QCOMPARE(turns.first(), 2);
        for (int i = 1; i < turns.size(); ++i)
            QCOMPARE(turns.at(i) - turns.at(i - 1), period + 1);
    }

    // Options come only when the names do not fill whole weeks; the days left over are counted
    // in words, in the singular for one.
    void step3Texts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text"); // in the label or an option
        QTest::newRow("10: whole weeks")
            << 10 << "peut donc être établie par période de 2 semaine(s)";
        QTest::newRow("6: floating") << 6 << "par période de 1 semaine(s), c'est à dire 5 jours";
        QTest::newRow("7") << 7 << "\nRestent trois jours qui peuvent, en partie ou en";
        QTest::newRow("9") << 9 << "\nReste un jour qui peut, soit être affecté à un";
    }

    void step3Texts()
    {
        QFETCH(int, count);
        QFETCH(QString, text);
        const Step3Texts texts = WeekdayStep3Texts(count);
        QCOMPARE(texts.optionsShown, count % 5 != 0);
        const QString all = texts.label + texts.option1 + texts.option2;
        QVERIFY2(all.contains(text), qPrintable(all));
    }

    // Step 4's instruction depends on the option; step 5 lists the floating participant's days,
    // or the names for the secondary rotation, and is skipped without either.
    void step4And5Texts()
    {
        QCOMPARE(FixedDayInstruction(10, WeekdayOption::Option1),
                 QStringLiteral("Ordonnez la liste des participants."));
        QVERIFY(FixedDayInstruction(6, WeekdayOption::Option2)->contains("'volant'"));
        QVERIFY(!FixedDayInstruction(7, WeekdayOption::None));
        QVERIFY(FirstWeekText(2013).contains("le mercredi 02 janvier. "));
        QVERIFY(FirstParticipantText(2011).contains("le lundi 03 janvier (1ère garde"));
        QCOMPARE(
            WeekdayStep5(Answers(6, WeekdayOption::Option2), 2013).value_or(Step5Texts{}).entries,
            (QStringList{"mardi 01/01 à la place de B", "mercredi 02/01 à la place de C",
                         "jeudi 03/01 à la place de D", "vendredi 04/01 à la place de E",
                         "lundi 07/01 à la place de A", "<Aucun jour de cette période>"}));
        const std::optional<Step5Texts> secondary =
            WeekdayStep5(Answers(7, WeekdayOption::Option2), 2013);
        QCOMPARE(secondary.value_or(Step5Texts{}).entries, Names(7));
        QVERIFY(secondary->label.startsWith("Le mercredi 09 janvier est le premier jour"));
        QVERIFY(!WeekdayStep5(Answers(3, WeekdayOption::Option1), 2013));
        QVERIFY(!WeekdayStep5(Answers(10, WeekdayOption::Option1), 2013));
    }
};

QTEST_GUILESS_MAIN(TestWeekdayRotation)
#include "tst_weekdayrotation.moc"
