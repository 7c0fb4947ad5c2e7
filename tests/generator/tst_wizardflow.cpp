#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "generator/RosterGenerator.h"
#include "generator/WeekdayRotation.h"
#include "generator/WizardFlow.h"
#include "store/AppSettings.h"
#include "store/RosterDatabase.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString TooFew =
    QStringLiteral("Il est nécessaire d'avoir au moins 2 participants à un tour de garde.");
const QString Duplicates = QStringLiteral(
    "La liste contient un ou plusieurs doublons.\r\nDonnez un nom distinct à chaque participant.");

QString Reserved(const QString& word)
{
    return QStringLiteral("Le mot %1 est réservé pour l'application.").arg(word);
}

// A roster file made by the program, with these answers.
void WriteRoster(const GenerationAnswers& answers, const QString& path)
{
    QVERIFY(QFile::rename(WriteGeneratedRoster(GenerateRoster(answers))->path(), path));
}

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

    // Steps 1 to 3 with these weekday names and this option.
    void reachStep4(const QStringList& names, WeekdayOption option)
    {
        QCOMPARE(flow_->next(), Outcome::Moved);
        add(ParticipantListKind::Weekday, names);
        QCOMPARE(flow_->next(), Outcome::Moved);
        QCOMPARE(flow_->panel(), Panel::Step3);
        flow_->chooseOption(option);
        flow_->next();
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

    void yearOfStep1()
    {
        flow_->setYearText("deux mille");
        QCOMPARE(flow_->next(), Outcome::Stay);
        flow_->setYearText("12000");
        QCOMPARE(flow_->next(), Outcome::Stay);
        QCOMPARE(ui_->texts(),
                 (QStringList{"Entrez une année valide.",
                              "L'année du tour de garde doit être comprise entre 1900 et 9999."}));
        flow_->setYearText("12");
        QCOMPARE(flow_->next(), Outcome::Moved);
        QCOMPARE(flow_->year(), 2012);
        QCOMPARE(flow_->yearText(), QStringLiteral("2012"));
    }

    void listChecks_data()
    {
        QTest::addColumn<bool>("weekend");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::newRow("one name") << false << QStringList{"A"} << TooFew;
        QTest::newRow("two names") << false << QStringList{"A", "B"} << "";
        QTest::newRow("<vide> in lower case") << false << QStringList{"A", "<vide>"} << "";
        QTest::newRow("<Vide>") << false << QStringList{"A", "<Vide>"} << Reserved("<Vide>");
        QTest::newRow("<Partagé>")
            << false << QStringList{"A", "<Partagé>"} << Reserved("<Partagé>");
        QTest::newRow("same name twice") << false << QStringList{"A", "B", "A"} << Duplicates;
        QTest::newRow("blanks around a name") << false << QStringList{"A", " B "} << "";
        QTest::newRow("names differing in case") << false << QStringList{"Martin", "martin"} << "";
        QTest::newRow("tab in a name")
            << false << QStringList{"A", "Dr\tB"}
            << u"Le texte saisi ne peut contenir ni tabulation, ni retour à la ligne, ni aucun "
               "autre caractère de contrôle."_s;
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

    // Blanks alone are no name: refused as they are typed, the list left as it was.
    void aBlankNameIsRefusedAtOnce()
    {
        flow_->next();
        add(ParticipantListKind::Weekday, {"A", "   "});

        QCOMPARE(ui_->texts(), QStringList{"Un nom de participant ne peut pas être vide ni fait "
                                           "uniquement d'espaces."});
        QCOMPARE(flow_->list(ParticipantListKind::Weekday), QStringList{"A"});
    }

    void listChecks()
    {
        QFETCH(bool, weekend);
        QFETCH(QStringList, names);
        QFETCH(QString, message);
        flow_->includesWeekdays = !weekend;
        flow_->next();
        QCOMPARE(flow_->panel(), weekend ? Panel::Step6 : Panel::Step2);
        add(weekend ? ParticipantListKind::Weekend : ParticipantListKind::Weekday, names);

        QCOMPARE(flow_->next(), message.isEmpty() ? Outcome::Moved : Outcome::Stay);
        QCOMPARE(ui_->texts().join(""), message);
        if (message.isEmpty())
            return;
        // Every press of "Suivant" checks the list again.
        QCOMPARE(flow_->next(), Outcome::Stay);
        QCOMPARE(ui_->texts(), QStringList(2, message));
        QCOMPARE(flow_->panel(), weekend ? Panel::Step6 : Panel::Step2);
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

    void removingAsksFirstAndCopyingTakesTheRest()
    {
        flow_->next();
        add(ParticipantListKind::Weekday, {"A", "B", "C"});
        ui_->answers = {AnswerNo, AnswerYes};
        flow_->removeParticipant(ParticipantListKind::Weekday, 1);
        flow_->removeParticipant(ParticipantListKind::Weekday, 1);
        QCOMPARE(ui_->texts(), (QStringList{"Supprimer B ?", "Supprimer B ?"}));
        QCOMPARE(flow_->list(ParticipantListKind::Weekday), (QStringList{"A", "C"}));
        flow_->copyWeekdayList();
        QCOMPARE(flow_->list(ParticipantListKind::Weekend), (QStringList{"A", "C"}));
    }

    void backAndForthKeepsTheOrdering()
    {
        reachStep4({"A", "B", "C", "D", "E", "F", "G"}, WeekdayOption::Option2);
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
        QCOMPARE(flow_->periodTable(), (QStringList{"A", "B", "C", "D", "E", "F", "G", "<Variable>",
                                                    "<Variable>", "<Variable>"}));
    }

    void step3NeedsAnOptionWhenDaysAreLeftOver()
    {
        reachStep4({"A", "B", "C", "D", "E", "F", "G"}, WeekdayOption::NoFixedDay);
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
        reachStep4({"A", "B"}, WeekdayOption::Option2);
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

    void groupingIsStoredAtEveryChange()
    {
        flow_->setGrouping(true);
        QVERIFY(WizardFlow(*ui_, 2013).grouping());
        flow_->setGrouping(false);
        QCOMPARE(OpenAppSettings()->value("Options/Regroupement").toString(), u"Faux"_s);
    }

    // A refused import leaves the list as it was.
    void importingFromRostersMadeByTheProgram()
    {
        const QString text = env_->tempPath() + "/Garde.txt";
        const QString weekendsOnly = env_->tempPath() + "/Week-ends.dat";
        const QString full = env_->tempPath() + "/Garde 2013.dat";
        QVERIFY(WriteFile(text, "Date;Médecin\r\n"));
        GenerationAnswers answers;
        answers.year = 2013;
        answers.includesWeekdays = false;
        answers.weekend = {{"X"}, "X"};
        WriteRoster(answers, weekendsOnly);
        answers.includesWeekdays = true;
        answers.weekday.participants = {"A", "B", "C", "D", "E"};
        answers.weekday.periodTable = answers.weekday.participants;
        answers.weekend = {{"C", "X"}, "C"};
        answers.administrativeData = {{"C", "Claire C.", "123", "1 rue", "04000", "Digne"}};
        WriteRoster(answers, full);
        flow_->next();
        add(ParticipantListKind::Weekday, {"Z"});
        ui_->filesToOpen = {text, weekendsOnly, full, full};

        flow_->importParticipants(ParticipantListKind::Weekday);
        flow_->importParticipants(ParticipantListKind::Weekday);
        QCOMPARE(flow_->list(ParticipantListKind::Weekday), QStringList{"Z"});
        flow_->importParticipants(ParticipantListKind::Weekday);
        flow_->importParticipants(ParticipantListKind::Weekend);

        QCOMPARE(ui_->texts().size(), 2);
        QVERIFY(ui_->texts().at(0).startsWith("Impossible d'ouvrir le tour de garde."));
        QCOMPARE(ui_->texts().at(1), u"Ce tour de garde ne contient pas de participants à un "
                                     "tour de garde de semaine."_s);
        QCOMPARE(flow_->list(ParticipantListKind::Weekday), (QStringList{"C", "A", "B", "D", "E"}));
        QCOMPARE(flow_->list(ParticipantListKind::Weekend), (QStringList{"C", "X"}));
        const QList<AdministrativeData> imported = flow_->answers().administrativeData;
        QCOMPARE(imported.size(), 7);
        QCOMPARE(imported.first().town, u"Digne"_s);
    }
};

QTEST_GUILESS_MAIN(TestWizardFlow)
#include "tst_wizardflow.moc"
