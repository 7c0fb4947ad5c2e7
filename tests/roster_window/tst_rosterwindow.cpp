#include "BlankRoster.h"
#include "Roster.h"
#include "RosterDatabase.h"
#include "RosterGrid.h"
#include "RosterWindow.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "YearGrid.h"

#include <QMenu>
#include <QTest>

namespace {

// A blank 2011 roster with two participants, A on 1 March, 2 March shared by B (08:00-20:00)
// then A (20:00-08:00), and 3 March marked unavailable.
QString MarchRoster()
{
    const QString work = CreateBlankRoster(2011);
    std::unique_ptr<RosterDatabase> db = RosterDatabase::open(work);
    for (const char* edit : {
             R"(INSERT INTO [Participants] ([Médecin]) VALUES ('B'))",
             R"(INSERT INTO [Participants] ([Médecin]) VALUES ('A'))",
             R"(UPDATE [Garde] SET [Médecin] = 'A' WHERE [Jour] = '2011-03-01')",
             R"(UPDATE [Garde] SET [Médecin] = '<Partagé>' WHERE [Jour] = '2011-03-02')",
             R"(INSERT INTO [Partagé] VALUES ('2011-03-02', 'A', 12, 24))",
             R"(INSERT INTO [Partagé] VALUES ('2011-03-02', 'B', 0, 12))",
             R"(UPDATE [Garde] SET [Indispo] = 1 WHERE [Jour] = '2011-03-03')",
         })
        db->execute(edit);
    return work;
}

QList<QDate> HighlightedDays(const RosterWindow& window)
{
    QList<QDate> days;
    const int year = window.grid()->year();
    for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
        if (window.grid()->isHighlighted(day))
            days.append(day);
    }
    return days;
}

} // namespace

class TestRosterWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    ScriptedInteraction ui_;
    int untitled_ = 0;

    std::unique_ptr<RosterWindow> open(const QString& work, const QString& filePath = {})
    {
        auto window = std::make_unique<RosterWindow>(ui_);
        if (!window->openFile(work, filePath, untitled_))
            return nullptr;
        return window;
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = ScriptedInteraction();
        untitled_ = 0;
    }
    void cleanup() { env_.reset(); }

    void dayCells_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("January's name") << 2011 << 0 << 0 << "Janvier";
        QTest::newRow("January's name, duty column") << 2011 << 0 << 1 << "Janvier";
        QTest::newRow("August's name") << 2011 << 0 << 14 << "Août";
        QTest::newRow("December's name") << 2011 << 0 << 23 << "Décembre";
        QTest::newRow("Monday 1 August 2011") << 2011 << 1 << 14 << "L 1";
        QTest::newRow("Tuesday 2 August 2011") << 2011 << 2 << 14 << "M 2";
        QTest::newRow("Wednesday 3 August 2011") << 2011 << 3 << 14 << "M 3";
        QTest::newRow("Thursday 4 August 2011") << 2011 << 4 << 14 << "J 4";
        QTest::newRow("Friday 5 August 2011") << 2011 << 5 << 14 << "V 5";
        QTest::newRow("Saturday 6 August 2011") << 2011 << 6 << 14 << "S 6";
        QTest::newRow("Sunday 7 August 2011") << 2011 << 7 << 14 << "D 7";
        QTest::newRow("29 February 2012") << 2012 << 29 << 2 << "M 29";
        QTest::newRow("no 29 February 2011") << 2011 << 29 << 2 << "";
        QTest::newRow("no 30 February") << 2012 << 30 << 2 << "";
        QTest::newRow("no 31 February") << 2012 << 31 << 3 << "";
        QTest::newRow("no 31 April") << 2011 << 31 << 6 << "";
        QTest::newRow("31 December 2011") << 2011 << 31 << 22 << "S 31";
        QTest::newRow("blank duty") << 2011 << 31 << 23 << "";
    }

    void dayCells()
    {
        QFETCH(int, year);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        std::unique_ptr<RosterWindow> window = open(CreateBlankRoster(year));
        QVERIFY(window);
        QCOMPARE(window->grid()->cellText(row, column), text);
    }

    void dutyTextsAreShownAsStored()
    {
        std::unique_ptr<RosterWindow> window = open(MarchRoster());
        QCOMPARE(window->grid()->cellText(1, 5), QStringLiteral("A"));
        QCOMPARE(window->grid()->cellText(2, 5), QStringLiteral("<Partagé>"));
        QCOMPARE(window->grid()->cellText(3, 5), QString());
    }

    void newWindowShowsTheRosterUntitledAndModified()
    {
        std::unique_ptr<RosterWindow> first = open(CreateBlankRoster(2012));
        std::unique_ptr<RosterWindow> second = open(CreateBlankRoster(2011));
        QCOMPARE(first->windowTitle(), QStringLiteral("Tour 1"));
        QCOMPARE(second->windowTitle(), QStringLiteral("Tour 2"));
        QVERIFY(first->isModified() && second->isModified());
        QCOMPARE(first->yearText(), QStringLiteral("2012"));
        QCOMPARE(first->sectorText(), QStringLiteral("Secteur"));
        QCOMPARE(first->viewMode(), ViewMode::Standard);
        QCOMPARE(first->statusDay(), QStringLiteral("dimanche 01 janvier"));
    }

    void standardModeHighlightsWeekendsAndHolidays()
    {
        std::unique_ptr<RosterWindow> window = open(CreateBlankRoster(2011));
        const QList<QDate> highlighted = HighlightedDays(*window);
        // 53 Saturdays, 52 Sundays, and 7 holidays from Monday to Friday.
        QCOMPARE(highlighted.size(), 53 + 52 + 7);
        for (QDate day : {QDate(2011, 4, 23), QDate(2011, 4, 24), QDate(2011, 4, 25)})
            QVERIFY(highlighted.contains(day));
        QVERIFY(!highlighted.contains(QDate(2011, 4, 22)));
    }

    void statusOfTheCurrentDay_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("duty");
        QTest::newRow("assigned day, label cell") << 1 << 4 << "mardi 01 mars"
                                                  << "A";
        QTest::newRow("assigned day, duty cell") << 1 << 5 << "mardi 01 mars"
                                                 << "A";
        QTest::newRow("shared day, by starting time") << 2 << 5 << "mercredi 02 mars"
                                                      << "B A ";
        QTest::newRow("blank day") << 3 << 4 << "jeudi 03 mars"
                                   << "";
        QTest::newRow("no 30 February") << 30 << 3 << ""
                                        << "";
    }

    void statusOfTheCurrentDay()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, day);
        QFETCH(QString, duty);
        std::unique_ptr<RosterWindow> window = open(MarchRoster());
        window->grid()->setCurrentGridCell(row, column);
        QCOMPARE(window->statusDay(), day);
        QCOMPARE(window->statusDuty(), duty);
    }

    void viewModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QList<QDate>>("highlighted");
        const QDate first(2011, 3, 1), second(2011, 3, 2), third(2011, 3, 3);
        QTest::newRow("participant A, on duty and sharing")
            << 1 << 1 << QList<QDate>{first, second};
        QTest::newRow("participant B, sharing only") << 1 << 0 << QList<QDate>{second};
        QTest::newRow("shared days") << 2 << -1 << QList<QDate>{second};
        QTest::newRow("unavailable days") << 4 << -1 << QList<QDate>{third};
    }

    void viewModes()
    {
        QFETCH(int, mode);
        QFETCH(int, choice);
        QFETCH(QList<QDate>, highlighted);
        std::unique_ptr<RosterWindow> window = open(MarchRoster());
        ui_.participantChoices = {choice};

        window->chooseViewMode(static_cast<ViewMode>(mode));

        QCOMPARE(window->viewMode(), static_cast<ViewMode>(mode));
        QCOMPARE(HighlightedDays(*window), highlighted);
        QVERIFY(ui_.shown.isEmpty());
    }

    void blankModeHighlightsDaysWithoutAnyone()
    {
        std::unique_ptr<RosterWindow> window = open(MarchRoster());
        window->chooseViewMode(ViewMode::Blank);
        const QList<QDate> highlighted = HighlightedDays(*window);
        QCOMPARE(highlighted.size(), 365 - 2);
        QVERIFY(!highlighted.contains(QDate(2011, 3, 1)));
        QVERIFY(!highlighted.contains(QDate(2011, 3, 2)));
        QCOMPARE(window->findTarget(), QString());
    }

    void choosingTheParticipantModeAgain()
    {
        std::unique_ptr<RosterWindow> window = open(MarchRoster());
        ui_.participantChoices = {1, -1};
        window->chooseViewMode(ViewMode::Doctor);
        window->chooseViewMode(ViewMode::Doctor);

        QCOMPARE(ui_.participantLists, (QList<QStringList>{{"B", "A"}, {"B", "A"}}));
        QCOMPARE(ui_.preselections, (QList<int>{0, 1}));
        QCOMPARE(window->findTarget(), QStringLiteral("A"));
        QCOMPARE(HighlightedDays(*window), (QList<QDate>{QDate(2011, 3, 1), QDate(2011, 3, 2)}));
    }

    void menuTicksExactlyOneMode()
    {
        std::unique_ptr<RosterWindow> window = open(CreateBlankRoster(2011));
        const QList<QAction*> modes = window->menus().first()->actions();
        auto ticked = [&modes] {
            QList<int> indexes;
            for (int i = 0; i < modes.size(); ++i) {
                if (modes.at(i)->isChecked())
                    indexes.append(i);
            }
            return indexes;
        };
        QCOMPARE(ticked(), QList<int>{0});
        modes.at(2)->trigger();
        QCOMPARE(ticked(), QList<int>{2});
        modes.at(2)->trigger(); // choosing the ticked mode again changes nothing
        QCOMPARE(ticked(), QList<int>{2});
        QCOMPARE(window->findTarget(), QStringLiteral("<Partagé>"));
        modes.at(1)->trigger(); // no participant: the message, and mode 2 stays
        QCOMPARE(ticked(), QList<int>{2});
        QCOMPARE(ui_.shown.size(), 1);
    }

    void cancelledChooserKeepsTheMode()
    {
        std::unique_ptr<RosterWindow> window = open(MarchRoster());
        window->chooseViewMode(ViewMode::Shared);
        ui_.participantChoices = {-1};

        window->chooseViewMode(ViewMode::Doctor);

        QCOMPARE(window->viewMode(), ViewMode::Shared);
        QCOMPARE(HighlightedDays(*window), QList<QDate>{QDate(2011, 3, 2)});
    }

    void participantModeNeedsParticipants()
    {
        std::unique_ptr<RosterWindow> window = open(CreateBlankRoster(2011));
        window->chooseViewMode(ViewMode::Blank);

        window->chooseViewMode(ViewMode::Doctor);

        QCOMPARE(ui_.texts(), QStringList{"Votre liste de participants est vide.\r\n"
                                          "Ajoutez des participants avant d'utiliser cette "
                                          "fonction."});
        QCOMPARE(ui_.shown.first().icon, MessageIcon::Information);
        QVERIFY(ui_.participantLists.isEmpty());
        QCOMPARE(window->viewMode(), ViewMode::Blank);
        QCOMPARE(HighlightedDays(*window).size(), 365);
    }

    void notARosterIsRefusedAndItsWorkingFileRemoved()
    {
        const QString work = env_->tempPath() + "/vdo1.tmp";
        QFile file(work);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Ceci n'est pas un tour de garde.");
        file.close();

        QVERIFY(!open(work, "/ailleurs/Garde.dat"));

        QCOMPARE(ui_.texts(), QStringList{"Impossible d'ouvrir le tour de garde.\r\n"
                                          "Assurez-vous qu'il s'agit bien d'un tour de garde de "
                                          "l'application."});
        QCOMPARE(ui_.shown.first().icon, MessageIcon::Critical);
        QVERIFY(!QFile::exists(work));
        QCOMPARE(untitled_, 0);
    }
};

QTEST_MAIN(TestRosterWindow)
#include "tst_rosterwindow.moc"
