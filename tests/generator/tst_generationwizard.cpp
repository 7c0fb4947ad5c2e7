#include "DialogTesting.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "generator/RosterGenerator.h"
#include "generator/WeekdayRotation.h"
#include "generator/wizard/GenerationWizard.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"

#include <QLineEdit>
#include <QTest>

namespace {

const QStringList Weekdays{"Arnaud", "Benoît", "Chloé", "Denis", "Emma", "Fabre", "Gilles"};
const QStringList Weekends{"Henri", "Chloé", "Isabelle", "Jean", "Karim", "Léa"};

void AddNames(GenerationWizard& wizard, ScriptedInteraction& ui, const QStringList& names)
{
    ui.newParticipants = names;
    for (qsizetype i = 0; i < names.size(); ++i)
        ButtonCalled(wizard, "Ajouter un participant")->click();
}

} // namespace

class TestGenerationWizard : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    // The organiser's answers for 2013 give the roster the engine gives for the same answers.
    void wizardGivesTheEnginesRoster()
    {
        ScriptedInteraction ui;
        GenerationWizard wizard(ui, 2013);
        wizard.show();
        WizardFlow& flow = wizard.flow();
        flow.setGrouping(true);

        wizard.pressNext();
        AddNames(wizard, ui, Weekdays);
        wizard.pressNext();
        flow.chooseOption(WeekdayOption::Option2);
        wizard.pressNext();
        flow.setWeekCounter(2);
        wizard.pressNext();
        flow.setStep5Choice(3);
        wizard.pressNext();
        AddNames(wizard, ui, Weekends);
        wizard.pressNext();
        flow.setFirstHolidayParticipant("Jean");
        wizard.pressNext();
        QVERIFY(ButtonCalled(wizard, "&Terminer"));
        wizard.pressNext();

        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QVERIFY(ui.shown.isEmpty());
        const std::unique_ptr<RosterDatabase> db = wizard.takeGeneratedRoster();
        QVERIFY(db);

        GenerationAnswers expected;
        expected.year = 2013;
        expected.grouping = true;
        expected.weekday.participants = Weekdays;
        expected.weekday.option = WeekdayOption::Option2;
        expected.weekday.periodTable = BuildPeriodTable(Weekdays, WeekdayOption::Option2);
        expected.weekday.weekCounter = 2;
        expected.weekday.floatingParticipant = Weekdays.last();
        expected.weekday.step5Choice = 3;
        expected.weekend = {Weekends, "Jean"};
        const GeneratedRoster engine = GenerateRoster(expected);

        const std::unique_ptr<Roster> written = Roster::load(db->path());
        QCOMPARE(written->days().size(), engine.days.size());
        for (qsizetype i = 0; i < engine.days.size(); ++i)
            QCOMPARE(written->days().at(i).doctor, engine.days.at(i).doctor);
        QCOMPARE(written->participants().size(), 12);
    }

    // "&Non" keeps the wizard open, "&Oui" closes it for a blank roster.
    void blankRosterInsteadOfGeneration()
    {
        ScriptedInteraction ui;
        ui.answers = {AnswerNo, AnswerYes};
        GenerationWizard wizard(ui, 2013);
        wizard.flow().includesWeekdays = false;
        wizard.flow().includesWeekends = false;
        wizard.flow().setYearText("2012");

        wizard.pressNext();
        QCOMPARE(wizard.flow().panel(), WizardPanel::Step1);
        wizard.pressNext();

        QCOMPARE(ui.questions.size(), 2);
        QCOMPARE(ui.questions.first().message,
                 QStringLiteral(
                     "Vous n'avez coché aucune des deux cases de type de tour de garde.\r\n"
                     "Ceci créera un tour de garde vierge, à remplir entièrement manuellement.\r\n"
                     "Est-ce celà que vous souhaitez faire ?"));
        QCOMPARE(ui.questions.first().buttons, ButtonSet::YesNo);
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(wizard.blankRosterYear(), 2012);
        QVERIFY(!wizard.takeGeneratedRoster());
    }

    // Escape and the close box ask before dropping typed names; "&Annuler" does not.
    void leavingTheWizard_data()
    {
        QTest::addColumn<int>("names");
        QTest::addColumn<QString>("how"); // "Escape", "close box" or "Annuler"
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closes");
        QTest::newRow("step 1, nothing typed") << 0 << "Escape" << QList<int>{} << false << true;
        QTest::newRow("names, Escape, Non")
            << 2 << "Escape" << QList<int>{AnswerNo} << true << false;
        QTest::newRow("names, Escape, Oui")
            << 2 << "Escape" << QList<int>{AnswerYes} << true << true;
        QTest::newRow("names, close box, Non")
            << 2 << "close box" << QList<int>{AnswerNo} << true << false;
        QTest::newRow("names, close box, Oui")
            << 1 << "close box" << QList<int>{AnswerYes} << true << true;
        QTest::newRow("names, Annuler") << 2 << "Annuler" << QList<int>{} << false << true;
    }

    void leavingTheWizard()
    {
        QFETCH(int, names);
        QFETCH(QString, how);
        QFETCH(QList<int>, answers);
        QFETCH(bool, asked);
        QFETCH(bool, closes);
        ScriptedInteraction ui;
        GenerationWizard wizard(ui, 2013);
        wizard.show();
        if (names > 0) {
            wizard.pressNext();
            AddNames(wizard, ui, Weekdays.mid(0, names));
        }
        ui.answers = answers;

        if (how == "Escape")
            QTest::keyClick(&wizard, Qt::Key_Escape);
        else if (how == "close box")
            wizard.close();
        else
            ButtonCalled(wizard, "&Annuler")->click();

        QCOMPARE(ui.texts(),
                 asked ? QStringList{"Abandonner la création du tour de garde ?"} : QStringList{});
        if (asked) {
            QCOMPARE(ui.questions.first().buttons, ButtonSet::YesNo);
            QCOMPARE(ui.questions.first().focusedButton, AnswerNo);
        }
        QCOMPARE(wizard.isVisible(), !closes);
        if (closes)
            QCOMPARE(wizard.result(), int(QDialog::Rejected));
        QCOMPARE(wizard.flow().list(ParticipantListKind::Weekday), Weekdays.mid(0, names));
    }

    // A year typed in two digits shows the year it stands for once the field is left.
    void twoDigitYearIsShownInFull()
    {
        ScriptedInteraction ui;
        GenerationWizard wizard(ui, 2013);
        QVERIFY(ShowActive(wizard));
        QLineEdit* year = nullptr;
        for (QLineEdit* field : wizard.findChildren<QLineEdit*>()) {
            if (field->text() == QLatin1String("2013"))
                year = field;
        }
        QVERIFY(year);
        year->setFocus();
        year->selectAll();
        QTest::keyClicks(year, "27");
        QTest::keyClick(year, Qt::Key_Tab);
        QCOMPARE(year->text(), QStringLiteral("2027"));

        wizard.pressNext();
        wizard.pressPrevious();

        QCOMPARE(year->text(), QStringLiteral("2027"));
        QCOMPARE(wizard.flow().year(), 2027);
        QVERIFY(ui.shown.isEmpty());
    }
};

QTEST_MAIN(TestGenerationWizard)
#include "tst_generationwizard.moc"
