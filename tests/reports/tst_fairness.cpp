#include "DialogTesting.h"
#include "RecordingCanvas.h"
#include "ReportRoster.h"
#include "ScriptedInteraction.h"
#include "reports/Fairness.h"
#include "reports/FairnessLayout.h"
#include "reports/FairnessLedger.h"
#include "reports/dialogs/FairnessView.h"
#include "reports/dialogs/StatisticsDialog.h"
#include "store/RosterFile.h"
#include "store/Settings.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// A roster file of the year in the temporary folder, after these statements; its path.
QString RosterFileWith(int year, const QStringList& statements)
{
    const QString path = CreateBlankRoster(year);
    const std::unique_ptr<RosterDatabase> db = RosterDatabase::open(path);
    for (const QString& sql : statements)
        db->execute(sql.toUtf8().constData());
    return path;
}

// 2011: A in the weekday rotation, B in both, C and D in the weekend one. A holds four weekdays,
// 10 January made a holiday and Saturday 24 December; B a weekday, a Saturday, Easter Monday and
// Sunday 9 January in two intervals, sharing it with C; C New Year's Day, Sunday 16 January and
// Christmas on a Sunday; D three Saturdays, 1 May (a Sunday), 14 July and Saturday 31 December.
QString Roster2011()
{
    return RosterFileWith(
        2011, {u"INSERT INTO [Participants] ([Médecin], [Semaine], [WE]) "
               "VALUES ('A', 1, 0), ('B', 1, 1), ('C', 0, 1), ('D', 0, 1)"_s,
               u"UPDATE [Garde] SET [Type] = 2 WHERE [Jour] = '2011-01-10'"_s,
               u"UPDATE [Garde] SET [Médecin] = 'A' WHERE [Jour] IN ('2011-01-03', '2011-01-04', "
               "'2011-01-05', '2011-01-06', '2011-01-10', '2011-12-24')"_s,
               u"UPDATE [Garde] SET [Médecin] = 'B' WHERE [Jour] IN ('2011-01-07', '2011-01-08', "
               "'2011-04-25')"_s,
               u"UPDATE [Garde] SET [Médecin] = 'C' WHERE [Jour] IN ('2011-01-01', '2011-01-16', "
               "'2011-12-25')"_s,
               u"UPDATE [Garde] SET [Médecin] = 'D' WHERE [Jour] IN ('2011-01-15', '2011-01-22', "
               "'2011-01-29', '2011-05-01', '2011-07-14', '2011-12-31')"_s,
               u"UPDATE [Garde] SET [Médecin] = '<Partagé>' WHERE [Jour] = '2011-01-09'"_s,
               u"INSERT INTO [Partagé] VALUES ('2011-01-09', 'B', 0, 6), ('2011-01-09', 'C', 6, "
               "12), ('2011-01-09', 'B', 12, 24)"_s});
}

// Each line as "name|cell|cell...", a cell beyond one duty marked "*", then the means.
QStringList Texts(const FairnessRotation& rotation)
{
    QStringList texts;
    for (const FairnessLine& line : rotation.lines) {
        QStringList row{line.doctor};
        for (int column = 0; column < FairnessColumnCount; ++column)
            row.append(FairnessCells(line)[column] + (IsBeyondOneDuty(line, column) ? "*" : ""));
        texts.append(row.join('|'));
    }
    const auto means = MeanCells(rotation);
    return texts << u"Moyenne|"_s + QStringList(means.begin(), means.end()).join('|');
}

const FairnessWeights Weights = {1, 2, 3};

} // namespace

class TestFairness : public QObject {
    Q_OBJECT

    TestEnvironment env_;
    const QString path2011_ = Roster2011();
    std::unique_ptr<Roster> roster_ = Roster::load(path2011_);
    FairnessYear year2011_ = CountFairness(*roster_);

private slots:
    // B, in both rotations, is in both with the same days. A shared day counts once; a weekday
    // made a holiday, and a holiday on a Sunday, are holidays; a year-end day is counted apart
    // and as the kind of day it is, weighing in the rotation that shares that kind out (A's
    // Saturday 24 December weighs nothing among the weekdays); a difference of exactly one duty
    // is not pointed out.
    void eachRotationAgainstItsMean()
    {
        const QList<FairnessRotation> rotations =
            ComputeFairness({year2011_}, Rotations(roster_->participantRows()), Weights);
        QCOMPARE(rotations.size(), 2);
        QCOMPARE(rotations[0].heading, u"Gardes de semaine"_s);
        QCOMPARE(Texts(rotations[0]),
                 (QStringList{"A|4 (+1,5)*|1|0|1|1 (+0,5)|4 (+1,5)",
                              "B|1 (-1,5)*|1|1|1|0 (-0,5)|1 (-1,5)", "Moyenne|2,5||||0,5|2,5"}));
        QCOMPARE(Texts(rotations[1]), (QStringList{"B|1|1 (-0,7)|1 (0)|1 (-0,7)|0 (-1)|8 (-3,3)",
                                                   "C|0|0 (-1,7)*|2 (+1)|2 (+0,3)|2 (+1)|12 (+0,7)",
                                                   "D|0|4 (+2,3)*|0 (-1)|2 (+0,3)|1 (0)|14 (+2,7)",
                                                   "Moyenne||1,7|1|1,7|1|11,3"}));
    }

    // Q, arriving on 2 July, could hold 126 of the 253 weekdays: his 10 against P's 20 are his
    // fair share. Zed, no participant, is shown with his days, compared with nothing.
    void aParticipantOfPartOfTheYear()
    {
        const std::unique_ptr<Roster> roster = RosterWith(
            2011, {u"INSERT INTO [Participants] ([Médecin], [Semaine], [WE], [Arrivée]) "
                   "VALUES ('P', 1, 0, NULL), ('Q', 1, 0, '2011-07-02')"_s,
                   u"UPDATE [Garde] SET [Médecin] = 'P' WHERE [Type] = 0 "
                   "AND [Jour] BETWEEN '2011-01-03' AND '2011-01-28'"_s,
                   u"UPDATE [Garde] SET [Médecin] = 'Q' WHERE [Type] = 0 "
                   "AND [Jour] BETWEEN '2011-08-01' AND '2011-08-12'"_s,
                   u"UPDATE [Garde] SET [Médecin] = 'Zed' WHERE [Jour] = '2011-09-05'"_s});
        const QList<FairnessRotation> rotations = ComputeFairness(
            {CountFairness(*roster)}, Rotations(roster->participantRows()), Weights);
        QCOMPARE(Texts(rotations[0]),
                 (QStringList{"P|20 (0)|0|0|0|0 (0)|20 (0)", "Q|10 (0)|0|0|0|0 (0)|10 (0)",
                              "Zed|1|0|0|0|0|", "Moyenne|20||||0|20"}));
    }

    void addingAnEarlierYear_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a roster") << u"notes.dat"_s << NotARosterMessage;
        QTest::newRow("year already counted")
            << u"2011"_s << u"Le tour de garde de l'année 2011 est déjà compté."_s;
        QTest::newRow("earlier year") << u"2010"_s << QString();
    }

    // An earlier year adds each participant's days and what was his share that year; Zed, no
    // participant in 2010, is shown apart. The working copy it was read from is gone.
    void addingAnEarlierYear()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFile notes(env_.tempPath() + "/notes.dat");
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("Garde 2010") > 0);
        notes.close();
        const QMap<QString, QString> paths = {
            {u"notes.dat"_s, notes.fileName()},
            {u"2011"_s, path2011_},
            {u"2010"_s, RosterFileWith(2010, {u"INSERT INTO [Participants] ([Médecin], "
                                              "[Semaine], [WE]) VALUES ('A', 1, 0), ('B', 1, 1)"_s,
                                              u"UPDATE [Garde] SET [Médecin] = 'A' WHERE [Jour] "
                                              "IN ('2010-01-04', '2010-01-05')"_s,
                                              u"UPDATE [Garde] SET [Médecin] = 'B' WHERE [Jour] = "
                                              "'2010-12-25'"_s,
                                              u"UPDATE [Garde] SET [Médecin] = 'Zed'"_s
                                              " WHERE [Jour] = '2010-01-06'"})}};
        ScriptedInteraction ui;
        ui.filesToOpen = {paths[file]};

        const std::optional<FairnessYear> added = ChooseFairnessYear(ui, {2011}, {});

        QCOMPARE(ui.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(added.has_value(), message.isEmpty());
        QCOMPARE(env_.workFiles(), QStringList());
        if (!added)
            return;
        const QList<FairnessRotation> rotations =
            ComputeFairness({*added, year2011_}, Rotations(roster_->participantRows()), Weights);
        QCOMPARE(Texts(rotations[0]), (QStringList{"A|6 (+2,5)*|1|0|1|1 (0)|6 (+2,5)",
                                                   "B|1 (-2,5)*|1|1|2|1 (0)|1 (-2,5)",
                                                   "Zed|1|0|0|0|0|", "Moyenne|3,5||||1|3,5"}));
    }

    // Each day beyond one duty printed on its colour; a page without room for the names and
    // columns gets nothing.
    void fairnessOnPaper()
    {
        const QList<FairnessRotation> rotations =
            ComputeFairness({year2011_}, Rotations(roster_->participantRows()), Weights);
        RecordingCanvas canvas({11000, 16000});
        QCOMPARE(DrawFairness(canvas, u"Équité"_s, {{2011}, Weights, rotations}),
                 ReportPage::Outcome::Drawn);
        QCOMPARE(canvas.fills.size(), 4);
        QVERIFY(
            canvas.fills.first().first.contains(canvas.find(u"4 (+1,5)"_s)->at + QPointF(10, 10)));
        RecordingCanvas narrow({6000, 16000});
        QCOMPARE(DrawFairness(narrow, u"Équité"_s, {{2011}, Weights, rotations}),
                 ReportPage::Outcome::PageTooNarrow);
        QVERIFY(narrow.texts.isEmpty());
    }

    // The weights are kept with a decimal point, whatever the language; a year added is listed
    // and counted; the print buttons print the tab shown.
    void fairnessTab()
    {
        QList<FairnessTable> printed;
        int statisticsPrinted = 0;
        StatisticsReport report;
        report.commands.saveAsPdf = [&] { ++statisticsPrinted; };
        report.fairness = {year2011_, Rotations(roster_->participantRows()),
                           [this](const QList<int>&) {
                               FairnessYear earlier = year2011_;
                               earlier.year = 2010;
                               return std::optional(earlier);
                           },
                           [&](const FairnessTable& table) {
                               printed.append(table);
                               return PrintCommands{{}, {}, [] {}};
                           }};
        StatisticsDialog dialog(report, nullptr);
        FairnessView& view = *dialog.fairness();
        ButtonCalled(dialog, u"Enregistrer en &PDF"_s)->click();
        view.weightBox(1)->setValue(2.5);
        ButtonCalled(view, u"Ajouter une autre année..."_s)->click();
        dialog.tabs()->setCurrentWidget(&view);
        ButtonCalled(dialog, u"Enregistrer en &PDF"_s)->click();

        QCOMPARE(OpenAppSettings()->value("Options/PointsSamedi").toString(), u"2.5"_s);
        QCOMPARE(FairnessView(report.fairness, nullptr).weightBox(1)->value(), 2.5);
        QCOMPARE(view.yearsLabel()->text(), u"Années comptées : 2010 et 2011"_s);
        QCOMPARE(view.tree()->topLevelItem(0)->child(0)->text(1), u"8 (+3)"_s);
        QCOMPARE(statisticsPrinted, 1);
        QCOMPARE(printed.size(), 1);
        QCOMPARE(printed.first().years, (QList<int>{2010, 2011}));
        QCOMPARE(printed.first().weights[1], 2.5);
    }
};

QTEST_MAIN(TestFairness)
#include "tst_fairness.moc"
