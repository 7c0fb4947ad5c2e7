#include "ReportRoster.h"
#include "reports/DutyList.h"
#include "reports/Statistics.h"
#include "store/Roster.h"

#include <QTest>

class TestReports : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<Roster> roster_;

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        roster_ = Roster::load(CreateReportRoster());
        QVERIFY(roster_);
    }

    void cleanup()
    {
        roster_.reset();
        env_.reset();
    }

    // Cells are empty for none; a day shared in two intervals counts once, and once as shared;
    // the days of Zed, of "a" and the unassigned days are counted nowhere.
    void statisticsCountEachParticipantsDays()
    {
        QStringList cells;
        for (const StatisticsLine& line : ComputeStatistics(*roster_)) {
            QStringList row{line.doctor};
            for (int type = 0; type < DayTypeCount; ++type)
                row.append(StatisticsCell(line.days[type], line.shared[type]));
            cells.append(row.join('|'));
        }
        QCOMPARE(cells, (QStringList{"A|3||2 dont 1 partagé(s)", "O'Brien; \"Doc\"||2|",
                                     "B|||4 dont 4 partagé(s)", "C|||3 dont 3 partagé(s)"}));
    }

    void dutyListHasARowPerDayOrInterval_data()
    {
        QTest::addColumn<QString>("doctor");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("two intervals on a day, days held outright")
            << "A"
            << QStringList{"dimanche 06 mars de 08:00 à 14:00",
                           "dimanche 06 mars de 20:00 à 08:00",
                           "lundi 07 mars",
                           "mardi 08 mars",
                           "mercredi 09 mars",
                           "lundi 25 avril"};
        QTest::newRow("name with quotes and a semicolon")
            << "O'Brien; \"Doc\"" << QStringList{"samedi 05 mars", "samedi 12 mars"};
        QTest::newRow("only shared days")
            << "C"
            << QStringList{"dimanche 13 mars de 08:00 à 20:00", "dimanche 20 mars de 08:00 à 20:00",
                           "dimanche 27 mars de 08:00 à 20:00"};
        QTest::newRow("nobody of that name") << "D" << QStringList{};
    }

    void dutyListHasARowPerDayOrInterval()
    {
        QFETCH(QString, doctor);
        QFETCH(QStringList, rows);
        QStringList paper;
        for (const DutyRow& row : PersonalDuties(*roster_, doctor))
            paper.append(DutyPaperText(row));
        QCOMPARE(paper, rows);
    }
};

QTEST_GUILESS_MAIN(TestReports)
#include "tst_reports.moc"
