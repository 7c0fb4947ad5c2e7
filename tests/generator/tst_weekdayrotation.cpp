#include "WeekdayRotation.h"
#include "WeekdayTexts.h"

#include <QTest>

namespace {

QStringList Names(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QString(QChar('A' + i)));
    return names;
}

QStringList Repeated(const QString& text, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list.append(text);
    return list;
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
        QTest::addColumn<int>("count");
        QTest::addColumn<WeekdayOption>("option");
        QTest::addColumn<bool>("floating");
        QTest::addColumn<QStringList>("table");
        QTest::newRow("N = 10, whole weeks") << 10 << WeekdayOption::Option1 << false << Names(10);
        QTest::newRow("N = 5") << 5 << WeekdayOption::Option2 << false << Names(5);
        QTest::newRow("N = 3, option 1")
            << 3 << WeekdayOption::Option1 << false << Names(3) + Repeated("<Vide>", 2);
        QTest::newRow("N = 7, option 2")
            << 7 << WeekdayOption::Option2 << false << Names(7) + Repeated("<Variable>", 3);
        QTest::newRow("N = 6, option 2: floating")
            << 6 << WeekdayOption::Option2 << true << Names(5);
        QTest::newRow("N = 6, option 1")
            << 6 << WeekdayOption::Option1 << false << Names(6) + Repeated("<Vide>", 4);
        QTest::newRow("N = 11, option 1")
            << 11 << WeekdayOption::Option1 << false << Names(11) + Repeated("<Vide>", 4);
        QTest::newRow("N = 11, option 2: floating")
            << 11 << WeekdayOption::Option2 << true << Names(10);
        QTest::newRow("N = 7, no fixed day") << 7 << WeekdayOption::NoFixedDay << false << Names(7);
        QTest::newRow("N = 2, option 2")
            << 2 << WeekdayOption::Option2 << false << Names(2) + Repeated("<Variable>", 3);
    }

    void periodTable()
    {
        QFETCH(int, count);
        QFETCH(WeekdayOption, option);
        QFETCH(bool, floating);
        QFETCH(QStringList, table);
        QCOMPARE(IsFloatingMode(count, option), floating);
        QCOMPARE(PeriodLength(count, option), table.size());
        QCOMPARE(BuildPeriodTable(Names(count), option), table);
    }

    void rowLabels()
    {
        QCOMPARE(PeriodRowLabel(1, 5), QStringLiteral("Lundi"));
        QCOMPARE(PeriodRowLabel(5, 5), QStringLiteral("Vendredi"));
        QCOMPARE(PeriodRowLabel(1, 10), QStringLiteral("Lundi 1"));
        QCOMPARE(PeriodRowLabel(3, 10), QStringLiteral("Mercredi 1"));
        QCOMPARE(PeriodRowLabel(6, 10), QStringLiteral("Lundi 2"));
        QCOMPARE(PeriodRowLabel(10, 10), QStringLiteral("Vendredi 2"));
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

    void changeNameChoices_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<WeekdayOption>("option");
        QTest::addColumn<QStringList>("choices");
        QTest::newRow("option 1") << 3 << WeekdayOption::Option1
                                  << Names(3) + QStringList{"<Vide>"};
        QTest::newRow("option 2") << 7 << WeekdayOption::Option2
                                  << Names(7) + QStringList{"<Variable>"};
        QTest::newRow("floating") << 6 << WeekdayOption::Option2 << Names(6);
        QTest::newRow("whole weeks") << 10 << WeekdayOption::Option1 << Names(10);
    }

    void changeNameChoices()
    {
        QFETCH(int, count);
        QFETCH(WeekdayOption, option);
        QFETCH(QStringList, choices);
        QCOMPARE(ChangeNameChoices(Names(count), option), choices);
    }

    void startOfTheYear_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("weekCounter");
        QTest::addColumn<QDate>("firstWeekday");
        QTest::addColumn<QDate>("firstMondayToFriday");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("newYear");
        QTest::newRow("2013, Tuesday")
            << 2013 << 10 << 1 << QDate(2013, 1, 2) << QDate(2013, 1, 1) << 3 << 2;
        QTest::newRow("2013, second week")
            << 2013 << 10 << 2 << QDate(2013, 1, 2) << QDate(2013, 1, 1) << 8 << 7;
        QTest::newRow("2016, Friday")
            << 2016 << 10 << 1 << QDate(2016, 1, 4) << QDate(2016, 1, 1) << 1 << 10;
        QTest::newRow("2011, Saturday")
            << 2011 << 10 << 1 << QDate(2011, 1, 3) << QDate(2011, 1, 3) << 1 << 1;
        QTest::newRow("2013, one week")
            << 2013 << 5 << 1 << QDate(2013, 1, 2) << QDate(2013, 1, 1) << 3 << 2;
    }

    void startOfTheYear()
    {
        QFETCH(int, year);
        QFETCH(int, count);
        QFETCH(int, weekCounter);
        QFETCH(QDate, firstWeekday);
        QFETCH(QDate, firstMondayToFriday);
        QFETCH(int, start);
        QFETCH(int, newYear);
        const WeekdayAnswers answers = Answers(count, WeekdayOption::Option1, weekCounter);
        QCOMPARE(FirstWeekdayDate(year), firstWeekday);
        QCOMPARE(FirstMondayToFridayDate(year), firstMondayToFriday);
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

    void step3Texts()
    {
        const Step3Texts whole = WeekdayStep3Texts(10);
        QVERIFY(!whole.optionsShown);
        QCOMPARE(
            whole.label,
            QStringLiteral("Le tour de garde de semaine comprend 10 participants pour 5 jours.\n"
                           "L'organisation du tour de garde peut donc être établie par période de "
                           "2 semaine(s).\n"
                           "Sur cette période, chaque jour sera attribué à un participant.\n"
                           "Aucune option supplémentaire n'est nécessaire.\n"
                           "Le panneau suivant permet d'affecter chacun des 10 jours de semaine à "
                           "un participant."));

        const Step3Texts floating = WeekdayStep3Texts(6);
        QVERIFY(floating.optionsShown);
        QCOMPARE(
            floating.label,
            QStringLiteral("Le tour de garde de semaine comprend 6 participants pour 5 jours.\n\n"
                           "Deux options sont proposées:"));
        QVERIFY(
            floating.option1.startsWith("L'organisation du tour de garde est établie par période "
                                        "de 2 semaine(s), c'est à dire 10 jours de garde.\n"));
        QVERIFY(floating.option2.startsWith("L'organisation est établie par période de 1 "
                                            "semaine(s), c'est à dire 5 jours de garde.\n"));
        QVERIFY(floating.option2.contains("à la place d'un autre,  avec un arrêt"));

        const Step3Texts seven = WeekdayStep3Texts(7);
        QCOMPARE(
            seven.label,
            QStringLiteral("Le tour de garde de semaine comprend 7 participants pour 5 jours.\n"
                           "L'organisation du tour de garde sera établie par période de 2 "
                           "semaine(s), soit 10 jours de garde.\n\n"
                           "Deux options sont proposées:"));
        QVERIFY(seven.option1.endsWith(
            "\nRestent trois jours qui peuvent, en partie ou en totalité, soit être affectés à un "
            "ou plusieurs participants qui acceptent donc d'être désignés plus d'une fois, soit "
            "être laissés à blanc pour être attribués manuellement par la suite."));
        QVERIFY(
            seven.option2.endsWith(" Les trois jours restants font également l'objet d'un tour de "
                                   "garde suivant le même ordre que le tour de garde principal."));
        QVERIFY(WeekdayStep3Texts(8).option1.contains("Restent deux jours"));
        QVERIFY(WeekdayStep3Texts(9).option1.endsWith(
            "Reste un jour qui peut, soit être affecté à un participant qui accepte donc d'être "
            "désigné deux fois, soit être laissé à blanc pour être attribué manuellement par la "
            "suite."));
        QVERIFY(WeekdayStep3Texts(9).option2.endsWith(
            " Le jour restant fait également l'objet d'un tour de garde suivant le même ordre que "
            "le tour de garde principal."));
    }

    void step4Texts()
    {
        QCOMPARE(FixedDayInstruction(10, WeekdayOption::Option1),
                 QStringLiteral("Ordonnez la liste des participants."));
        QCOMPARE(FixedDayInstruction(6, WeekdayOption::Option2),
                 QStringLiteral("Ordonnez la liste et indiquez qui sera le participant 'volant'."));
        QVERIFY(FixedDayInstruction(3, WeekdayOption::Option1)
                    ->startsWith("Ordonnez la liste. Les jours marqués '<Vide>'"));
        QVERIFY(FixedDayInstruction(7, WeekdayOption::Option2)
                    ->startsWith("Ordonnez la liste. Les jours marqués '<Variable>'"));
        QVERIFY(!FixedDayInstruction(7, WeekdayOption::None));
        QCOMPARE(FirstWeekText(2013),
                 QStringLiteral(
                     "Le premier jour de garde de semaine de l'année est le mercredi 02 janvier. "
                     "D'après votre liste ci-dessus, indiquez de quel mercredi il s'agit:"));
        QCOMPARE(FirstParticipantText(2011),
                 QStringLiteral("Indiquez qui est de garde le lundi 03 janvier (1ère garde de "
                                "semaine de l'année)."));
    }

    void step5ForTheFloatingParticipant()
    {
        const std::optional<Step5Texts> step5 =
            WeekdayStep5(Answers(6, WeekdayOption::Option2), 2013);
        QVERIFY(step5);
        QCOMPARE(step5->entries,
                 (QStringList{"mardi 01/01 à la place de B", "mercredi 02/01 à la place de C",
                              "jeudi 03/01 à la place de D", "vendredi 04/01 à la place de E",
                              "lundi 07/01 à la place de A", "<Aucun jour de cette période>"}));
        QVERIFY(step5->label.startsWith(
            "Le participant 'volant' (F) va prendre une garde toutes les 1 semaine(s), à la place "
            "d'un autre "
            "participant, et sera de repos 1 semaine(s) toutes les 6 semaine(s)"));
        QVERIFY(step5->label.contains("qui représente les 5 premiers jours de semaine de l'année"));
    }

    void step5ForTheSecondaryRotation()
    {
        const std::optional<Step5Texts> step5 =
            WeekdayStep5(Answers(7, WeekdayOption::Option2), 2013);
        QVERIFY(step5);
        QCOMPARE(step5->entries, Names(7));
        QVERIFY(
            step5->label.startsWith("Le mercredi 09 janvier est le premier jour de garde de "
                                    "semaine de l'année affecté à un participant 'Variable'.\n\n"));
        QVERIFY(!WeekdayStep5(Answers(3, WeekdayOption::Option1), 2013));
        QVERIFY(!WeekdayStep5(Answers(10, WeekdayOption::Option1), 2013));
    }
};

QTEST_GUILESS_MAIN(TestWeekdayRotation)
#include "tst_weekdayrotation.moc"
