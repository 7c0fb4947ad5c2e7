#include "DialogTesting.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "generator/RosterGenerator.h"
#include "generator/WeekdayRotation.h"
#include "generator/WeekdayTexts.h"
#include "generator/wizard/GenerationWizard.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"
#include "store/Settings.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList Names(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QString(QChar('A' + i)));
    return names;
}

// The weekday rotation the wizard leaves for these names, the table in list order.
WeekdayAnswers Weekdays(const QStringList& names, WeekdayOption option, int weekCounter = 1)
{
    return {names,       option,       BuildPeriodTable(names, option),
            weekCounter, names.last(), names.first()};
}

// The answers for a year: the rotations given names are served, without eves or grouping.
GenerationAnswers Answers(int year, const WeekdayAnswers& weekday, const WeekendAnswers& weekend)
{
    const bool weekdays = !weekday.participants.isEmpty();
    const bool weekends = !weekend.order.isEmpty();
    return {year, weekdays, weekends, false, false, weekday, weekend, QList<AdministrativeData>()};
}

// Who is on duty, day after day, as the expected duties ("A A . B", a dot for nobody) give
// them: compared with these, it shows the first day that differs.
QString DutiesFrom(const GeneratedRoster& roster, QDate from, const QString& expected)
{
    QStringList duties;
    for (qsizetype i = 0; i <= expected.count(' '); ++i) {
        const QString doctor = roster.days.value(QDate(from.year(), 1, 1).daysTo(from) + i).doctor;
        duties.append(doctor.isEmpty() ? QStringLiteral(".") : doctor);
    }
    return duties.join(' ');
}

// The organiser's participants.
const QStringList Seven{"Arnaud",         "Benoît",    "Chloé", "D'Estaing",
                        "\"Doc\" Martin", "Fabre; F.", "Gilles"};
const QStringList Six{"Henri", "Chloé", "Isabelle", "Jean", "Karim", "Léa"};

const QString TooFew =
    QStringLiteral("Il est nécessaire d'avoir au moins 2 participants à un tour de garde.");
const QString Duplicates = QStringLiteral(
    "La liste contient un ou plusieurs doublons.\r\nDonnez un nom distinct à chaque participant.");

// A roster file made by the program, with these answers.
void WriteRoster(const GenerationAnswers& answers, const QString& path)
{
    QVERIFY(QFile::rename(WriteGeneratedRoster(GenerateRoster(answers))->path(), path));
}

using Panel = WizardPanel;
using Outcome = WizardFlow::Outcome;
using enum ParticipantListKind;

} // namespace

// The rotations, the roster they make, and the wizard that collects their answers: its steps,
// then its window as the user sees it.
class TestGenerator : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<WizardFlow> flow_;

    // Adds names to a list, with the window's button when there is a window.
    void add(ParticipantListKind kind, const QStringList& names, GenerationWizard* window = nullptr)
    {
        ui_->newParticipants = names;
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (window)
                ButtonCalled(*window, "Ajouter un participant")->click();
            else
                flow_->addParticipant(kind);
        }
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = std::make_unique<ScriptedInteraction>();
        flow_ = std::make_unique<WizardFlow>(*ui_, 2013);
    }

    void cleanup()
    {
        flow_.reset();
        env_.reset();
    }

    // Step 3 offers options only when the names do not fill whole weeks, and counts the days
    // left over in words, in the singular for one.
    void periodTable_data()
    {
        using enum WeekdayOption;
        QTest::addColumn<int>("count");
        QTest::addColumn<WeekdayOption>("option");
        QTest::addColumn<QStringList>("table"); // shorter than the names: floating mode
        QTest::addColumn<QString>("step3");     // in step 3's label or an option
        QTest::newRow("N = 10, whole weeks")
            << 10 << Option1 << Names(10) << "peut donc être établie par période de 2 semaine(s)";
        QTest::newRow("N = 4, option 1") << 4 << Option1 << Names(4) + QStringList{"<Vide>"}
                                         << "\nReste un jour qui peut, soit être affecté à un";
        QTest::newRow("N = 7, option 2") << 7 << Option2 << Names(7) + QStringList(3, "<Variable>")
                                         << "\nRestent trois jours qui peuvent, en partie ou en";
        QTest::newRow("N = 6, option 2: floating")
            << 6 << Option2 << Names(5) << "par période de 1 semaine(s), c'est à dire 5 jours";
        QTest::newRow("N = 11, option 1") << 11 << Option1 << Names(11) + QStringList(4, "<Vide>")
                                          << "par période de 3 semaine(s), c'est à dire 15 jours";
        QTest::newRow("N = 11, option 2: floating")
            << 11 << Option2 << Names(10) << "par période de 2 semaine(s), c'est à dire 10 jours";
        QTest::newRow("N = 7, no fixed day")
            << 7 << NoFixedDay << Names(7) << "par période de 2 semaine(s), soit 10 jours";
    }

    void periodTable()
    {
        QFETCH(int, count);
        QFETCH(WeekdayOption, option);
        QFETCH(QStringList, table);
        QFETCH(QString, step3);
        QCOMPARE(IsFloatingMode(count, option), table.size() < count);
        QCOMPARE(BuildPeriodTable(Names(count), option), table);
        // "Changer le nom" offers the names, then the table's filler if it has one.
        QCOMPARE(ChangeNameChoices(Names(count), option), Names(count) + table.mid(count, 1));
        const Step3Texts texts = WeekdayStep3Texts(count);
        QCOMPARE(texts.optionsShown, count % 5 != 0);
        const QString all = texts.label + texts.option1 + texts.option2;
        QVERIFY2(all.contains(step3), qPrintable(all));
    }

    // From its first turn, chosen at step 5 (Thursday 3 January), the floating participant F
    // takes the place of one position every sixth turn, one position further on each time.
    void floatingParticipantReplacesEachPositionOncePerCycle()
    {
        WeekdayAnswers answers = Weekdays(Names(6), WeekdayOption::Option2);
        answers.step5Choice = 2;
        WeekdayRotation rotation(answers, 2013);
        QStringList duties;
        for (QDate day = FirstMondayToFridayDate(2013); duties.size() < 30;
             day = NextMondayToFriday(day)) {
            duties.append(rotation.participant());
            rotation.advance(day, true);
        }
        // Period after period, from Tuesday 1 January.
        const QStringList periods{"B C F E A", "B C D F A", "B C D E F",
                                  "B C D E A", "F C D E A", "B F D E A"};
        QCOMPARE(duties.join(' '), periods.join(' '));
    }

    // Step 4's instruction depends on the option; step 5 lists the floating participant's days,
    // or the names for the secondary rotation, and is skipped without either.
    void step4And5Texts()
    {
        using enum WeekdayOption;
        QCOMPARE(FixedDayInstruction(10, Option1),
                 QStringLiteral("Ordonnez la liste des participants."));
        QVERIFY(FixedDayInstruction(6, Option2)->contains("'volant'"));
        QVERIFY(!FixedDayInstruction(7, None));
        QVERIFY(FirstWeekText(2013).contains("le mercredi 02 janvier. "));
        QVERIFY(FirstParticipantText(2011).contains("le lundi 03 janvier (1ère garde"));
        QCOMPARE(WeekdayStep5(Weekdays(Names(6), Option2), 2013).value_or(Step5Texts{}).entries,
                 (QStringList{"mardi 01/01 à la place de B", "mercredi 02/01 à la place de C",
                              "jeudi 03/01 à la place de D", "vendredi 04/01 à la place de E",
                              "lundi 07/01 à la place de A", "<Aucun jour de cette période>"}));
        const std::optional<Step5Texts> secondary = WeekdayStep5(Weekdays(Names(7), Option2), 2013);
        QCOMPARE(secondary.value_or(Step5Texts{}).entries, Names(7));
        QVERIFY(secondary->label.startsWith("Le mercredi 09 janvier est le premier jour"));
        QVERIFY(!WeekdayStep5(Weekdays(Names(3), Option1), 2013));
        QVERIFY(!WeekdayStep5(Weekdays(Names(10), Option1), 2013));
    }

    // Who is on duty, day after day from a date, for the weekend rotation or for weekday names
    // with fixed days (option 1).
    void runs_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<GenerationAnswers>("answers");
        QTest::addColumn<QString>("duties");
        // The weekend rotation A, B, C, with A on New Year's Day.
        const auto weekends = [](const char* name, QDate from, bool grouping, bool eve,
                                 const char* duties) {
            GenerationAnswers answers = Answers(from.year(), {}, {{"A", "B", "C"}, "A"});
            answers.grouping = grouping;
            answers.eveOption = eve;
            QTest::newRow(name) << from << answers << QString(duties);
        };
        // Weekday names A, B... with fixed days (option 1).
        const auto fixedDays = [](const char* name, QDate from, int count, int weekCounter,
                                  const char* duties) {
            const WeekdayAnswers weekdays =
                Weekdays(Names(count), WeekdayOption::Option1, weekCounter);
            QTest::newRow(name) << from << Answers(from.year(), weekdays, {}) << QString(duties);
        };
        // Each weekend, and each holiday from Monday to Friday that is not grouped, moves the
        // rotation on: 23 April 2011 is the 17th weekend of the year.
        weekends("New Year 2011", {2011, 1, 1}, false, false, "A A . . . . . B B . . . . . C");
        weekends("Easter Monday 2011", {2011, 4, 23}, false, false, "B B C . . . . A");
        weekends("Easter 2011, grouped", {2011, 4, 23}, true, false, "B B B . . . . C");
        // New Year on a Friday, grouped with its weekend or not.
        weekends("New Year 2010, grouped", {2010, 1, 1}, true, false, "A A A . . . . . B");
        weekends("New Year 2010", {2010, 1, 1}, false, false, "A B B");
        weekends("eve of Ascension 2011", {2011, 5, 31}, false, true, ". C C .");
        // The eve of Whit Monday is a Sunday.
        weekends("eve of Whit Monday 2011", {2011, 6, 11}, false, true, "B B C");
        weekends("eve of Whit Monday, grouped", {2011, 6, 11}, true, true, "A A A . . . . B");
        // 31 December 2013 is the eve of the next year's New Year's Day.
        weekends("eve of New Year 2014", {2013, 12, 28}, false, true, "B B . C");
        weekends("31 December 2013, no eve", {2013, 12, 28}, false, false, "B B . .");
        // 2011 starts on Monday 3 January at position 1: Mondays are A, Tuesdays B... Easter
        // Monday consumes its fixed day.
        fixedDays("Easter Monday 2011, fixed days", {2011, 4, 18}, 5, 1, "A B C D E . . . B C");
        // Friday 1 January 2016 consumes the last position of the period.
        fixedDays("New Year 2016", {2016, 1, 1}, 10, 1, ". . . A B C D E . . F G H I J");
        // 2013 starts on Tuesday at position 2: Thursdays and Fridays are blank.
        fixedDays("blank positions", {2013, 1, 7}, 3, 1, "A B C . .");
        // The second week of the period holds Wednesday 2 January 2013, at position 8.
        fixedDays("ten names, second week", {2013, 1, 1}, 10, 2, ". H I J . . A B C D E . . F");
    }

    void runs()
    {
        QFETCH(QDate, from);
        QFETCH(GenerationAnswers, answers);
        QFETCH(QString, duties);
        const GeneratedRoster roster = GenerateRoster(answers);
        QCOMPARE(DutiesFrom(roster, from, duties), duties);
        // One row per participant, no filler among them.
        QCOMPARE(roster.participants.size(),
                 answers.weekday.participants.size() + answers.weekend.order.size());
    }

    // Without fixed days the list runs on from the first participant, on 2 January 2013 after
    // New Year's Day, over the weekday days only: no holiday consumes a position, whatever its
    // weekday.
    void noFixedDayRunsOverWeekdayDaysOnly()
    {
        WeekdayAnswers weekdays = Weekdays(Names(3), WeekdayOption::NoFixedDay);
        weekdays.firstParticipant = "B";
        const GeneratedRoster roster = GenerateRoster(Answers(2013, weekdays, {}));
        QCOMPARE(DutiesFrom(roster, {2013, 1, 1}, ". B"), ". B");
        int turn = 1; // B's
        for (const GeneratedDay& day : roster.days) {
            if (!day.doctor.isEmpty())
                QCOMPARE(day.doctor, Names(3).at(turn++ % 3));
        }
    }

    // A leap year written to a roster file from the organiser's answers (7 weekday participants
    // with option 2, 6 weekend participants with grouping and the eve option), or from one of
    // its rotations: every day once, in order, with its type and, when its rotation is served,
    // one of the names; one row per participant.
    void generatedYear_data()
    {
        QTest::addColumn<bool>("weekdays");
        QTest::addColumn<bool>("weekends");
        QTest::addColumn<int>("participants");
        QTest::newRow("both rotations, Chloé in both") << true << true << 12;
        QTest::newRow("weekdays only") << true << false << 7;
        QTest::newRow("weekends and holidays only") << false << true << 6;
    }

    void generatedYear()
    {
        QFETCH(bool, weekdays);
        QFETCH(bool, weekends);
        QFETCH(int, participants);
        GenerationAnswers answers =
            Answers(2012, Weekdays(Seven, WeekdayOption::Option2), {Six, "Isabelle"});
        answers.includesWeekdays = weekdays;
        answers.includesWeekends = weekends;
        answers.eveOption = weekdays && weekends;
        answers.grouping = true;
        answers.weekday.step5Choice = 3;
        answers.administrativeData = {
            {"Chloé", "Chloé Dumas", "04 1 23456 7", "1 rue Haute", "04400", "Barcelonnette"}};
        const std::unique_ptr<Roster> roster =
            Roster::load(WriteGeneratedRoster(GenerateRoster(answers)));
        QVERIFY(roster);
        QCOMPARE(roster->days().size(), 366);
        for (qsizetype i = 0; i < 366; ++i) {
            const RosterDay& day = roster->days().at(i);
            QCOMPARE(day.date, QDate(2012, 1, 1).addDays(i));
            QCOMPARE(day.type, DayTypeOf(day.date));
            const bool served = day.type == DayType::Weekday ? weekdays : weekends;
            QVERIFY2(served ? (Seven + Six).contains(day.doctor) : day.doctor.isEmpty(),
                     qPrintable(day.date.toString()));
            QCOMPARE(roster->rotation().at(i), day.doctor);
        }
        QCOMPARE(roster->days().first().doctor, weekends ? "Isabelle" : ""); // New Year's Day
        QCOMPARE(roster->participantRows().size(), participants);
        for (const Participant& participant : roster->participantRows()) {
            QCOMPARE(participant.weekdays, weekdays && Seven.contains(participant.data.doctor));
            QCOMPARE(participant.weekends, weekends && Six.contains(participant.data.doctor));
            QCOMPARE(participant.data.town,
                     participant.data.doctor == "Chloé" ? "Barcelonnette" : "");
        }
    }

    void failedWriteIsReportedAndLeavesNothing()
    {
        // A name too long for the roster file.
        const GenerationAnswers answers = Answers(2012, {}, {{"A", QString(51, 'x')}, "A"});

        QVERIFY(!CreateGeneratedRoster(answers, *ui_));

        QCOMPARE(ui_->texts(),
                 QStringList{"Une erreur s'est produite pendant la création du tour de garde."});
        QCOMPARE(ui_->shown.first().icon, MessageIcon::Critical);
        QVERIFY(env_->workFiles().isEmpty());
    }

    void listChecks_data()
    {
        QTest::addColumn<bool>("weekend");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::newRow("one name") << false << QStringList{"A"} << TooFew;
        QTest::newRow("<Vide>") << false << QStringList{"A", "<Vide>"}
                                << "Le mot <Vide> est réservé pour l'application.";
        QTest::newRow("same name twice") << false << QStringList{"A", "B", "A"} << Duplicates;
        QTest::newRow("blanks around a name") << false << QStringList{"A", " B "} << "";
        QTest::newRow("names differing in case") << false << QStringList{"Martin", "martin"} << "";
        QTest::newRow("50 characters") << false << QStringList{"A", QString(50, 'x')} << "";
        QTest::newRow("51 characters")
            << false << QStringList{"A", QString(51, 'x')}
            << QStringLiteral("Le nom \"%1\" est trop long : un nom compte au plus 50 caractères.")
                   .arg(QString(51, 'x'));
        QTest::newRow("weekends, one name") << true << QStringList{"A"} << "";
        QTest::newRow("weekends, empty")
            << true << QStringList{} << "Votre liste de participants est vide !";
        QTest::newRow("weekends, same name twice") << true << QStringList{"A", "A"} << Duplicates;
    }

    // A list is checked as its step is left. Without weekdays, the weekend steps follow step 1
    // and lead back to it.
    void listChecks()
    {
        QFETCH(bool, weekend);
        QFETCH(QStringList, names);
        QFETCH(QString, message);
        flow_->includesWeekdays = !weekend;
        flow_->next();
        QCOMPARE(flow_->panel(), weekend ? Panel::Step6 : Panel::Step2);
        add(weekend ? Weekend : Weekday, names);

        QCOMPARE(flow_->next(), message.isEmpty() ? Outcome::Moved : Outcome::Stay);
        QCOMPARE(ui_->texts().join(""), message);
        if (message.isEmpty()) {
            QCOMPARE(flow_->panel(), weekend ? Panel::Step7 : Panel::Step3);
            // Until the user chooses, the first name is on duty on New Year's Day.
            if (weekend)
                QCOMPARE(flow_->firstHolidayParticipant(), names.first());
            flow_->previous();
            flow_->previous();
            QCOMPARE(flow_->panel(), Panel::Step1);
            return;
        }
        // Every press of "Suivant" checks the list again.
        QCOMPARE(flow_->next(), Outcome::Stay);
        QCOMPARE(ui_->texts(), QStringList(2, message));
    }

    // Blanks alone are no name: refused as they are typed. Removing a name asks first. The
    // weekend list can be copied from the weekday one; a list can be imported from a roster made
    // by the program, and a refused import leaves it as it was.
    void editingTheLists()
    {
        const QString text = env_->tempPath() + "/Garde.txt";
        const QString weekendsOnly = env_->tempPath() + "/Week-ends.dat";
        const QString full = env_->tempPath() + "/Garde 2013.dat";
        QVERIFY(WriteFile(text, "Date;Médecin\r\n"));
        WriteRoster(Answers(2013, {}, {{"X"}, "X"}), weekendsOnly);
        GenerationAnswers answers =
            Answers(2013, Weekdays(Names(5), WeekdayOption::Option1), {{"C", "X"}, "C"});
        answers.administrativeData = {{"C", "Claire C.", "123", "1 rue", "04000", "Digne"}};
        WriteRoster(answers, full);
        flow_->next();
        add(Weekday, {"A", "   ", "B", "C"});
        ui_->answers = {AnswerNo, AnswerYes};
        flow_->removeParticipant(Weekday, 1);
        flow_->removeParticipant(Weekday, 1);
        flow_->copyWeekdayList();
        QCOMPARE(flow_->list(Weekend), (QStringList{"A", "C"}));

        ui_->filesToOpen = {text, weekendsOnly, full, full};
        flow_->importParticipants(Weekday);
        flow_->importParticipants(Weekday);
        QCOMPARE(flow_->list(Weekday), (QStringList{"A", "C"}));
        flow_->importParticipants(Weekday);
        flow_->importParticipants(Weekend);

        const QStringList texts = ui_->texts();
        QCOMPARE(texts.size(), 5);
        QCOMPARE(texts.first(3),
                 (QStringList{"Un nom de participant ne peut pas être vide ni fait uniquement "
                              "d'espaces.",
                              "Supprimer B ?", "Supprimer B ?"}));
        QVERIFY(texts.at(3).startsWith("Impossible d'ouvrir le tour de garde."));
        QCOMPARE(texts.at(4), u"Ce tour de garde ne contient pas de participants à un "
                              "tour de garde de semaine."_s);
        QCOMPARE(flow_->list(Weekday), (QStringList{"C", "A", "B", "D", "E"}));
        QCOMPARE(flow_->list(Weekend), (QStringList{"C", "X"}));
        const QList<AdministrativeData> imported = flow_->answers().administrativeData;
        QCOMPARE(imported.size(), 7);
        QCOMPARE(imported.first().town, u"Digne"_s);
    }

    // Step 3 needs an option when days are left over. At step 4 the first position up goes to
    // the end of the table, the last one down to its start; the ordering stays while the weekday
    // answers do not change, and some day of the period must go to a participant.
    void steps3And4()
    {
        QCOMPARE(flow_->next(), Outcome::Moved);
        add(Weekday, Seven);
        QCOMPARE(flow_->next(), Outcome::Moved);
        flow_->chooseOption(WeekdayOption::NoFixedDay);
        flow_->next();
        QCOMPARE(flow_->panel(), Panel::NoFixedDayStep4);
        flow_->previous();
        flow_->previous();
        flow_->next(); // entering step 3 clears the option without fixed days
        QCOMPARE(flow_->option(), WeekdayOption::None);
        QCOMPARE(flow_->next(), Outcome::Stay);

        flow_->chooseOption(WeekdayOption::Option2);
        flow_->next();
        QCOMPARE(flow_->panel(), Panel::FixedDayStep4);
        for (const auto& [position, up, selected] :
             {std::tuple{2, true, 1}, {1, true, 10}, {3, false, 4}, {10, false, 1}}) {
            flow_->selectPosition(position);
            flow_->movePosition(up);
            QCOMPARE(flow_->selectedPosition(), selected);
        }
        const QStringList table = Seven + QStringList(3, "<Variable>");
        const QStringList ordered =
            QStringList{table[1], table[0], table[3], table[2]} + table.mid(4);
        // The ordering is kept over a return to step 2.
        flow_->previous();
        flow_->previous();
        flow_->next();
        flow_->next();
        QCOMPARE(flow_->periodTable(), ordered);

        // A new year makes a new table.
        for (int i = 0; i < 3; ++i)
            flow_->previous();
        flow_->setYearText("2014");
        for (int i = 0; i < 3; ++i)
            flow_->next();
        QCOMPARE(flow_->periodTable(), table);

        // No day of the period left to a participant.
        ui_->replacements = QList<int>(7, 7); // "<Variable>", after the seven names
        for (int position = 1; position <= 7; ++position) {
            flow_->selectPosition(position);
            flow_->changeName();
        }
        QCOMPARE(ui_->replacementLists.first(), Seven + QStringList{"<Variable>"});
        QCOMPARE(flow_->periodTable(), QStringList(10, "<Variable>"));
        QCOMPARE(flow_->next(), Outcome::Stay);
        QCOMPARE(ui_->texts(),
                 (QStringList{"Choisissez l'une des options proposées avant de continuer.",
                              "Attribuez au moins un jour de la période à un participant."}));
    }

    // The organiser's answers for 2013 give the roster the engine gives for the same answers.
    void wizardGivesTheEnginesRoster()
    {
        GenerationWizard wizard(*ui_, 2013);
        wizard.show();
        WizardFlow& flow = wizard.flow();
        // The grouping option is kept in the settings at every change.
        flow.setGrouping(false);
        QCOMPARE(OpenAppSettings()->value("Options/Regroupement").toString(), u"Faux"_s);
        flow.setGrouping(true);
        QVERIFY(WizardFlow(*ui_, 2013).grouping());

        wizard.pressNext();
        add(Weekday, Seven, &wizard);
        wizard.pressNext();
        flow.chooseOption(WeekdayOption::Option2);
        wizard.pressNext();
        flow.setWeekCounter(2);
        wizard.pressNext();
        flow.setStep5Choice(3);
        wizard.pressNext();
        add(Weekend, Six, &wizard);
        wizard.pressNext();
        flow.setFirstHolidayParticipant("Jean");
        wizard.pressNext();
        QVERIFY(ButtonCalled(wizard, "&Terminer"));
        wizard.pressNext();

        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QVERIFY(ui_->shown.isEmpty());
        const std::unique_ptr<RosterDatabase> db = wizard.takeGeneratedRoster();
        QVERIFY(db);
        GenerationAnswers expected =
            Answers(2013, Weekdays(Seven, WeekdayOption::Option2, 2), {Six, "Jean"});
        expected.eveOption = true;
        expected.grouping = true;
        expected.weekday.step5Choice = 3;
        const GeneratedRoster engine = GenerateRoster(expected);
        const std::unique_ptr<Roster> written = Roster::load(db->path());
        QCOMPARE(written->days().size(), engine.days.size());
        for (qsizetype i = 0; i < engine.days.size(); ++i)
            QCOMPARE(written->days().at(i).doctor, engine.days.at(i).doctor);
    }

    // Escape and the close box ask before dropping typed names ("&Non" has the focus);
    // "&Annuler" does not.
    void leavingTheWizard_data()
    {
        QTest::addColumn<int>("names");
        QTest::addColumn<QString>("how"); // "Escape", "close box" or "Annuler"
        QTest::addColumn<int>("answer");  // 0: not asked
        QTest::addColumn<bool>("closes");
        QTest::newRow("nothing typed") << 0 << "Escape" << 0 << true;
        QTest::newRow("names, Escape, Non") << 2 << "Escape" << AnswerNo << false;
        QTest::newRow("names, Escape, Oui") << 2 << "Escape" << AnswerYes << true;
        QTest::newRow("names, close box, Non") << 2 << "close box" << AnswerNo << false;
        QTest::newRow("one name, close box, Oui") << 1 << "close box" << AnswerYes << true;
        QTest::newRow("names, Annuler") << 2 << "Annuler" << 0 << true;
    }

    void leavingTheWizard()
    {
        QFETCH(int, names);
        QFETCH(QString, how);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        GenerationWizard wizard(*ui_, 2013);
        wizard.show();
        wizard.pressNext();
        add(Weekday, Seven.mid(0, names), &wizard);
        ui_->answers = {answer};

        if (how == "Escape")
            QTest::keyClick(&wizard, Qt::Key_Escape);
        else if (how == "close box")
            wizard.close();
        else
            ButtonCalled(wizard, "&Annuler")->click();

        QCOMPARE(ui_->texts(),
                 answer ? QStringList{"Abandonner la création du tour de garde ?"} : QStringList{});
        if (answer) {
            QCOMPARE(ui_->questions.first().buttons, ButtonSet::YesNo);
            QCOMPARE(ui_->questions.first().focusedButton, AnswerNo);
        }
        QCOMPARE(wizard.isVisible(), !closes);
        QCOMPARE(wizard.result(), int(QDialog::Rejected)); // never accepted
        QCOMPARE(wizard.flow().list(Weekday), Seven.mid(0, names));
    }

    // The year is checked as step 1 is left. One typed in two digits stands for a year of the
    // 1900s or 2000s, shown in full once the field is left. Without either rotation the wizard
    // offers a blank roster for the year: "&Non" keeps it open, "&Oui" closes it.
    void step1()
    {
        GenerationWizard wizard(*ui_, 2013);
        QVERIFY(ShowActive(wizard));
        // The year field has the focus as the wizard opens.
        auto* year = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(year);
        QCOMPARE(year->text(), u"2013"_s);
        const auto type = [year](const char* text) {
            year->setFocus();
            year->selectAll();
            QTest::keyClicks(year, text);
        };
        for (const char* typed : {"deux mille", "12000", "12"}) {
            type(typed);
            wizard.pressNext();
        }
        QCOMPARE(ui_->texts(),
                 (QStringList{"Entrez une année valide.",
                              "L'année du tour de garde doit être comprise entre 1900 et 9999."}));
        QCOMPARE(wizard.flow().year(), 2012);
        wizard.pressPrevious();

        type("27");
        QTest::keyClick(year, Qt::Key_Tab);
        QCOMPARE(year->text(), QStringLiteral("2027"));
        wizard.pressNext();
        wizard.pressPrevious();
        QCOMPARE(year->text(), QStringLiteral("2027"));
        QCOMPARE(wizard.flow().year(), 2027);

        ui_->answers = {AnswerNo, AnswerYes};
        wizard.flow().includesWeekdays = false;
        wizard.flow().includesWeekends = false;
        wizard.pressNext();
        QCOMPARE(wizard.flow().panel(), Panel::Step1);
        wizard.pressNext();
        QCOMPARE(ui_->questions.size(), 2);
        QCOMPARE(ui_->questions.first().message,
                 QStringLiteral(
                     "Vous n'avez coché aucune des deux cases de type de tour de garde.\r\n"
                     "Ceci créera un tour de garde vierge, à remplir entièrement manuellement.\r\n"
                     "Est-ce celà que vous souhaitez faire ?"));
        QCOMPARE(ui_->questions.first().buttons, ButtonSet::YesNo);
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(wizard.blankRosterYear(), 2027);
        QVERIFY(!wizard.takeGeneratedRoster());
    }
};

QTEST_MAIN(TestGenerator)
#include "tst_generator.moc"
