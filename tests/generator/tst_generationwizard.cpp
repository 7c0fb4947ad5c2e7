#include "GenerationWizard.h"
#include "Roster.h"
#include "RosterDatabase.h"
#include "RosterGenerator.h"
#include "RosterWindow.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "WeekdayRotation.h"

#include <QPushButton>
#include <QTest>

namespace {

const QStringList Weekdays{"Arnaud", "Benoît", "Chloé", "Denis", "Emma", "Fabre", "Gilles"};
const QStringList Weekends{"Henri", "Chloé", "Isabelle", "Jean", "Karim", "Léa"};

QPushButton* ButtonCalled(QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == text && button->isVisibleTo(&window))
            return button;
    }
    return nullptr;
}

} // namespace

class TestGenerationWizard : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    // The organiser's answers for 2013 give the roster the engine gives for the same answers,
    // opened untitled and modified.
    void wizardGivesTheEnginesRoster()
    {
        ScriptedInteraction ui;
        GenerationWizard wizard(ui, 2013);
        wizard.show();
        WizardFlow& flow = wizard.flow();
        flow.setGrouping(true);

        wizard.pressNext();
        ui.newParticipants = Weekdays;
        for (qsizetype i = 0; i < Weekdays.size(); ++i)
            ButtonCalled(wizard, "Ajouter un participant")->click();
        wizard.pressNext();
        flow.chooseOption(WeekdayOption::Option2);
        wizard.pressNext();
        flow.setWeekCounter(2);
        wizard.pressNext();
        flow.setStep5Choice(3);
        wizard.pressNext();
        ui.newParticipants = Weekends;
        for (int i = 0; i < Weekends.size(); ++i)
            ButtonCalled(wizard, "Ajouter un participant")->click();
        wizard.pressNext();
        flow.setFirstHolidayParticipant("Jean");
        wizard.pressNext();
        QVERIFY(ButtonCalled(wizard, "&Terminer"));
        wizard.pressNext();

        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QVERIFY(ui.shown.isEmpty());
        std::unique_ptr<RosterDatabase> db = wizard.takeGeneratedRoster();

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

        int untitled = 0;
        RosterWindow window(ui);
        QVERIFY(window.openNew(std::move(db), untitled));
        QCOMPARE(window.caption(), QStringLiteral("Tour 1"));
        QVERIFY(window.isModified());
        std::unique_ptr<Roster> written = Roster::load(window.workPath());
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
};

QTEST_MAIN(TestGenerationWizard)
#include "tst_generationwizard.moc"
