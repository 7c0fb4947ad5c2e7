#include "AppSettings.h"
#include "RosterDatabase.h"
#include "RosterGenerator.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "WeekdayRotation.h"
#include "WizardFlow.h"

#include <QFile>
#include <QTest>

namespace {

const QString TooFew =
    QStringLiteral("Il est nécessaire d'avoir au moins 2 participants à un tour de garde.");
const QString Duplicates = QStringLiteral(
    "La liste contient un ou plusieurs doublons.\r\nDonnez un nom distinct à chaque participant.");
const QString NotARoster = QStringLiteral("Impossible d'ouvrir le tour de garde.\r\nAssurez-vous "
                                          "qu'il s'agit bien d'un tour de garde de l'application.");

using Panel = WizardPanel;
using Outcome = WizardFlow::Outcome;

} // namespace

class TestWizardFlow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<WizardFlow> flow_;

    void add(ParticipantListKind kind, const QStringList& names)
    {
        ui_->newParticipants = names;
        for (qsizetype i = 0; i < names.size(); ++i)
            flow_->addParticipant(kind);
    }

    // Steps 1 and 2 with these weekday names.
    void reachStep3(const QStringList& names)
    {
        QCOMPARE(flow_->next(), Outcome::Moved);
        add(ParticipantListKind::Weekday, names);
        QCOMPARE(flow_->next(), Outcome::Moved);
        QCOMPARE(flow_->panel(), Panel::Step3);
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

    void yearOfStep1_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("year"); // 0: refused
        QTest::addColumn<QString>("message");
        QTest::newRow("current year") << "2013" << 2013 << "";
        QTest::newRow("two digits") << "12" << 2012 << "";
        QTest::newRow("half rounds to even") << "2012,5" << 2012 << "";
        QTest::newRow("letters") << "deux mille" << 0 << "Entrez une année valide.";
        QTest::newRow("empty") << "" << 0 << "Entrez une année valide.";
        QTest::newRow("beyond 9999")
            << "12000" << 0 << "L'année du tour de garde doit être comprise entre 1900 et 9999.";
    }

    void yearOfStep1()
    {
        QFETCH(QString, text);
        QFETCH(int, year);
        QFETCH(QString, message);
        flow_->setYearText(text);
        const Outcome outcome = flow_->next();
        QCOMPARE(outcome, year ? Outcome::Moved : Outcome::Stay);
        QCOMPARE(ui_->texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        if (year)
            QCOMPARE(flow_->year(), year);
    }

    void noRosterTypeOffersABlankRoster()
    {
        flow_->includesWeekdays = false;
        flow_->includesWeekends = false;
        flow_->setYearText("2012");
        ui_->answers = {AnswerNo, AnswerYes};

        QCOMPARE(flow_->next(), Outcome::Stay);
        QCOMPARE(flow_->panel(), Panel::Step1);
        QCOMPARE(flow_->next(), Outcome::BlankRoster);

        QCOMPARE(flow_->year(), 2012);
        QCOMPARE(ui_->questions.size(), 2);
        QCOMPARE(ui_->questions.first().message,
                 QStringLiteral(
                     "Vous n'avez coché aucune des deux cases de type de tour de garde.\r\n"
                     "Ceci créera un tour de garde vierge, à remplir entièrement manuellement.\r\n"
                     "Est-ce celà que vous souhaitez faire ?"));
        QCOMPARE(ui_->questions.first().buttons, ButtonSet::YesNo);
        QCOMPARE(ui_->questions.first().icon, MessageIcon::Question);
    }

    void weekdayListChecks_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::newRow("one name") << QStringList{"A"} << TooFew;
        QTest::newRow("no name") << QStringList{} << TooFew;
        QTest::newRow("two names") << QStringList{"A", "B"} << "";
        QTest::newRow("<vide> in lower case") << QStringList{"A", "<vide>"} << "";
        QTest::newRow("<Vide>") << QStringList{"A", "<Vide>"}
                                << "Le mot <Vide> est réservé pour l'application.";
        QTest::newRow("<Variable>") << QStringList{"<Variable>", "A"}
                                    << "Le mot <Variable> est réservé pour l'application.";
        QTest::newRow("<Partagé>")
            << QStringList{"A", "<Partagé>"} << "Le mot <Partagé> est réservé pour l'application.";
        QTest::newRow("same name twice") << QStringList{"A", "B", "A"} << Duplicates;
        QTest::newRow("names differing in case") << QStringList{"Martin", "martin"} << "";
        QTest::newRow("first failure wins") << QStringList{"A", "A", "<Vide>"} << Duplicates;
        QTest::newRow("50 characters") << QStringList{"A", QString(50, 'x')} << "";
        QTest::newRow("51 characters")
            << QStringList{"A", QString(51, 'x')}
            << QStringLiteral("Le nom \"%1\" est trop long : un nom compte au plus 50 caractères.")
                   .arg(QString(51, 'x'));
    }

    void weekdayListChecks()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, message);
        flow_->next();
        add(ParticipantListKind::Weekday, names);

        const Outcome outcome = flow_->next();

        QCOMPARE(outcome, message.isEmpty() ? Outcome::Moved : Outcome::Stay);
        QCOMPARE(ui_->texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    }

    void oneNameIsRefusedAtEveryPress()
    {
        flow_->next();
        add(ParticipantListKind::Weekday, {"A"});
        QCOMPARE(flow_->next(), Outcome::Stay);
        QCOMPARE(flow_->next(), Outcome::Stay);
        QCOMPARE(ui_->texts(), (QStringList{TooFew, TooFew}));
        QCOMPARE(ui_->shown.first().icon, MessageIcon::Warning);
        QCOMPARE(flow_->panel(), Panel::Step2);
    }

    void weekendListChecks_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("message");
        QTest::newRow("one name") << QStringList{"A"} << "";
        QTest::newRow("empty") << QStringList{} << "Votre liste de participants est vide !";
        QTest::newRow("same name twice") << QStringList{"A", "A"} << Duplicates;
    }

    void weekendListChecks()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, message);
        flow_->includesWeekdays = false;
        QCOMPARE(flow_->next(), Outcome::Moved);
        QCOMPARE(flow_->panel(), Panel::Step6);
        add(ParticipantListKind::Weekend, names);

        QCOMPARE(flow_->next(), message.isEmpty() ? Outcome::Moved : Outcome::Stay);
        QCOMPARE(ui_->texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    }

    void weekendOnlyPath()
    {
        flow_->includesWeekdays = false;
        flow_->next();
        QCOMPARE(flow_->panel(), Panel::Step6);
        flow_->previous();
        QCOMPARE(flow_->panel(), Panel::Step1);
        flow_->next();
        add(ParticipantListKind::Weekend, {"A", "B"});
        flow_->next();
        QCOMPARE(flow_->panel(), Panel::Step7);
        QCOMPARE(flow_->weekendOrder(), (QStringList{"A", "B"}));
        QCOMPARE(flow_->firstHolidayParticipant(), QStringLiteral("A"));
        flow_->next();
        QCOMPARE(flow_->panel(), Panel::Final);
        flow_->previous();
        QCOMPARE(flow_->panel(), Panel::Step7);
    }

    void removingAsksFirst()
    {
        flow_->next();
        add(ParticipantListKind::Weekday, {"A", "B", "C"});
        ui_->answers = {AnswerNo, AnswerYes};
        flow_->removeParticipant(ParticipantListKind::Weekday, 1);
        flow_->removeParticipant(ParticipantListKind::Weekday, 1);
        QCOMPARE(ui_->texts(), (QStringList{"Supprimer B ?", "Supprimer B ?"}));
        QCOMPARE(flow_->list(ParticipantListKind::Weekday), (QStringList{"A", "C"}));
    }

    void backAndForthKeepsTheOrdering()
    {
        reachStep3({"A", "B", "C", "D", "E", "F", "G"});
        flow_->chooseOption(WeekdayOption::Option2);
        flow_->next();
        QCOMPARE(flow_->panel(), Panel::FixedDayStep4);
        flow_->selectPosition(1);
        flow_->movePosition(true);
        const QStringList ordered = flow_->periodTable();
        QCOMPARE(ordered.first(), QStringLiteral("<Variable>"));

        flow_->previous();
        flow_->previous();
        flow_->next();
        flow_->next();
        QCOMPARE(flow_->periodTable(), ordered);

        flow_->previous();
        flow_->previous();
        flow_->previous();
        flow_->setYearText("2014");
        flow_->next();
        flow_->next();
        flow_->next();
        QCOMPARE(flow_->periodTable(),
                 BuildPeriodTable({"A", "B", "C", "D", "E", "F", "G"}, WeekdayOption::Option2));
    }

    void step3NeedsAnOptionWhenDaysAreLeftOver()
    {
        reachStep3({"A", "B", "C", "D", "E", "F", "G"});
        flow_->chooseOption(WeekdayOption::NoFixedDay);
        flow_->next();
        QCOMPARE(flow_->panel(), Panel::NoFixedDayStep4);
        flow_->previous();
        flow_->previous();
        flow_->next(); // entering step 3 clears the option without fixed days

        QCOMPARE(flow_->option(), WeekdayOption::None);
        QCOMPARE(flow_->next(), Outcome::Stay);
        QCOMPARE(ui_->texts(),
                 QStringList{"Choisissez l'une des options proposées avant de continuer."});
    }

    void periodWithoutParticipantIsRefused()
    {
        reachStep3({"A", "B"});
        flow_->chooseOption(WeekdayOption::Option2);
        flow_->next();
        ui_->replacements = {2, 2};
        flow_->selectPosition(1);
        flow_->changeName();
        flow_->selectPosition(2);
        flow_->changeName();
        QCOMPARE(ui_->replacementLists.first(), (QStringList{"A", "B", "<Variable>"}));
        QCOMPARE(flow_->periodTable(), QStringList(5, "<Variable>"));

        QCOMPARE(flow_->next(), Outcome::Stay);
        QCOMPARE(ui_->texts(),
                 QStringList{"Attribuez au moins un jour de la période à un participant."});
    }

    void floatingStep5()
    {
        reachStep3({"A", "B", "C", "D", "E", "F"});
        flow_->chooseOption(WeekdayOption::Option2);
        flow_->next();
        QVERIFY(flow_->isFloatingMode());
        QCOMPARE(flow_->floatingParticipant(), QStringLiteral("F"));
        flow_->next();
        QCOMPARE(flow_->panel(), Panel::Step5);
        QCOMPARE(flow_->step5Texts().entries.size(), 6);
        flow_->next();
        QCOMPARE(flow_->panel(), Panel::Step6);
        flow_->previous();
        QCOMPARE(flow_->panel(), Panel::Step5);
    }

    void groupingIsStoredAtEveryChange()
    {
        flow_->setGrouping(true);
        QCOMPARE(OpenAppSettings()->value("Options/Regroupement").toString(),
                 QStringLiteral("Vrai"));
        WizardFlow reopened(*ui_, 2013);
        QVERIFY(reopened.grouping());
        reopened.setGrouping(false);
        QCOMPARE(OpenAppSettings()->value("Options/Regroupement").toString(),
                 QStringLiteral("Faux"));
    }

    void importFromARosterMadeByTheProgram()
    {
        GenerationAnswers answers;
        answers.year = 2013;
        answers.weekday.participants = {"A", "B", "C", "D", "E"};
        answers.weekday.periodTable = answers.weekday.participants;
        answers.weekend = {{"C", "X"}, "C"};
        answers.administrativeData = {{"C", "Claire C.", "123", "1 rue", "04000", "Digne"}};
        const QString path = env_->tempPath() + "/Garde 2013.dat";
        QVERIFY(QFile::rename(WriteGeneratedRoster(GenerateRoster(answers))->path(), path));
        ui_->filesToOpen = {path, path};

        flow_->importParticipants(ParticipantListKind::Weekday);
        flow_->importParticipants(ParticipantListKind::Weekend);

        QVERIFY(ui_->shown.isEmpty());
        QCOMPARE(flow_->list(ParticipantListKind::Weekday), (QStringList{"C", "A", "B", "D", "E"}));
        QCOMPARE(flow_->list(ParticipantListKind::Weekend), (QStringList{"C", "X"}));
        const QList<AdministrativeData> imported = flow_->answers().administrativeData;
        QCOMPARE(imported.size(), 7);
        QCOMPARE(imported.first().town, QStringLiteral("Digne"));
    }

    void importRefusals_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a roster") << QByteArray("Date;Médecin\r\n") << NotARoster;
        QTest::newRow("no weekday participant")
            << QByteArray()
            << "Ce tour de garde ne contient pas de participants à un tour de garde de semaine.";
    }

    void importRefusals()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString path = env_->tempPath() + "/Garde.dat";
        if (content.isEmpty()) {
            GenerationAnswers weekendsOnly;
            weekendsOnly.year = 2013;
            weekendsOnly.includesWeekdays = false;
            weekendsOnly.weekend = {{"X"}, "X"};
            QVERIFY(
                QFile::rename(WriteGeneratedRoster(GenerateRoster(weekendsOnly))->path(), path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        flow_->next();
        add(ParticipantListKind::Weekday, {"A", "B"});
        ui_->filesToOpen = {path};

        flow_->importParticipants(ParticipantListKind::Weekday);

        QCOMPARE(ui_->texts(), QStringList{message});
        QCOMPARE(flow_->list(ParticipantListKind::Weekday), (QStringList{"A", "B"}));
    }

    void copyingTheWeekdayList()
    {
        flow_->next();
        add(ParticipantListKind::Weekday, {"A", "B"});
        flow_->copyWeekdayList();
        QCOMPARE(flow_->list(ParticipantListKind::Weekend), (QStringList{"A", "B"}));
    }
};

QTEST_GUILESS_MAIN(TestWizardFlow)
#include "tst_wizardflow.moc"
