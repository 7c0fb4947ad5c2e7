#include "MainWindow.h"
#include "Roster.h"
#include "RosterWindow.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "WorkFile.h"

#include <QFile>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRecovery : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    QString edited_;
    QString untouched_;

    // A running program that edited a roster file and a new roster, and opened another file.
    void startEditing(QProcess& child)
    {
        child.start(RECOVERY_CHILD, {edited_, untouched_});
        QVERIFY(child.waitForReadyRead(30000));
        QCOMPARE(child.readAllStandardOutput(), "prêt\n");
    }

    // What a start of the program offers and reopens.
    QList<RosterWindow*> start(MainWindow& main)
    {
        main.reopenAbandonedRosters();
        return main.rosterWindows();
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = std::make_unique<ScriptedInteraction>();
        edited_ = env_->tempPath() + "/Garde.dat";
        untouched_ = env_->tempPath() + "/Autre.dat";
        QVERIFY(QFile::rename(CreateBlankRoster(2011), edited_));
        QVERIFY(QFile::rename(CreateBlankRoster(2012), untouched_));
    }

    void cleanup()
    {
        ui_.reset();
        env_.reset();
    }

    // Another running copy keeps its working files to itself; once it is killed, its unsaved
    // rosters are offered back with every edit, and the rest is cleared away without a question.
    void killedProgramsRostersAreOfferedBack()
    {
        QProcess child;
        startEditing(child);
        {
            MainWindow running(ui_.get());
            QVERIFY(start(running).isEmpty());
            QVERIFY(ui_->recoveryOffers.isEmpty());
        }
        QCOMPARE(env_->workFiles().size(), 3);
        child.kill();
        QVERIFY(child.waitForFinished());
        // A working file no program can read, left with a record that says it holds changes.
        const QString damaged = WorkFolder() + "/vdoABCDEF.tmp";
        QVERIFY(WriteFile(damaged, "pas un tour de garde"));
        QVERIFY(WriteFile(damaged + ".info",
                          R"({"fichier":"","titre":"Tour 9","derniereModification":)"
                          R"("2026-12-06T10:00:00.000Z","nonEnregistre":true})"));
        ui_->recoveries = {QList<bool>{true, true}};

        MainWindow restarted(ui_.get());
        const QList<RosterWindow*> windows = start(restarted);

        QCOMPARE(ui_->recoveryOffers.size(), 1);
        QCOMPARE(ui_->recoveryOffers.first().size(), 2);
        QVERIFY(ui_->shown.isEmpty());
        QCOMPARE(windows.size(), 2);
        QStringList captions;
        for (RosterWindow* window : windows) {
            captions.append(window->windowTitle());
            QVERIFY(window->isModified());
            std::unique_ptr<Roster> roster = Roster::load(window->workPath());
            QCOMPARE(roster->sector(), u"Ubaye"_s);
            QCOMPARE(roster->participants(), QStringList{"Zoé"});
            QCOMPARE(roster->day(QDate(roster->year(), 3, 1))->doctor, u"Zoé"_s);
            QCOMPARE(window->filePath(), roster->year() == 2011 ? edited_ : QString());
            window->approveClose();
        }
        captions.sort();
        QCOMPARE(captions, (QStringList{"Garde", "Tour 1"}));
        for (const WorkRecord& offered : ui_->recoveryOffers.first())
            QVERIFY(offered.lastEdit.secsTo(QDateTime::currentDateTime()) < 60);
        QCOMPARE(env_->workFiles().size(), 2);
    }

    void answersToTheOffer_data()
    {
        QTest::addColumn<bool>("later");
        QTest::addColumn<int>("kept"); // working files left once the program has closed
        QTest::newRow("discard both") << false << 0;
        QTest::newRow("later") << true << 2;
    }

    void answersToTheOffer()
    {
        QFETCH(bool, later);
        QFETCH(int, kept);
        QProcess child;
        startEditing(child);
        child.kill();
        QVERIFY(child.waitForFinished());
        if (!later)
            ui_->recoveries = {QList<bool>{false, false}};

        {
            MainWindow restarted(ui_.get());
            QVERIFY(start(restarted).isEmpty());
        }

        QCOMPARE(env_->workFiles().size(), kept);
        MainWindow next(ui_.get());
        start(next);
        QCOMPARE(ui_->recoveryOffers.size(), later ? 2 : 1);
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
