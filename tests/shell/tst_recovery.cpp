#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/RosterDocument.h"
#include "roster_window/RosterWindow.h"
#include "shell/MainWindow.h"
#include "store/Roster.h"
#include "store/WorkFile.h"

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
    QString saved_;
    // When the child started editing, and when it had done.
    QDateTime editsBegan_;
    QDateTime editsEnded_;

    // A running program that edited a roster file and a new roster, opened another file, and
    // edited and saved a third.
    void startEditing(QProcess& child)
    {
        editsBegan_ = QDateTime::currentDateTime();
        child.start(RECOVERY_CHILD, {edited_, untouched_, saved_});
        QVERIFY(child.waitForReadyRead(30000));
        QCOMPARE(child.readAllStandardOutput(), "prêt\n");
        editsEnded_ = QDateTime::currentDateTime();
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
        saved_ = env_->tempPath() + "/Enregistré.dat";
        QVERIFY(QFile::rename(CreateBlankRoster(2011), edited_));
        QVERIFY(QFile::rename(CreateBlankRoster(2012), untouched_));
        QVERIFY(QFile::rename(CreateBlankRoster(2012), saved_));
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
        QCOMPARE(env_->workFiles().size(), 4);
        child.kill();
        QVERIFY(child.waitForFinished());
        // Meanwhile another copy of the program saved the roster file the child was editing.
        QVERIFY(QFile::remove(edited_));
        QVERIFY(QFile::rename(CreateBlankRoster(2011), edited_));
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
        for (const WorkRecord& offered : ui_->recoveryOffers.first())
            QVERIFY(offered.lastEdit >= editsBegan_ && offered.lastEdit <= editsEnded_);
        QVERIFY(ui_->shown.isEmpty());
        QCOMPARE(windows.size(), 2);
        QStringList captions;
        for (RosterWindow* window : windows) {
            captions.append(window->document().caption());
            QVERIFY(window->document().isModified());
            std::unique_ptr<Roster> roster = Roster::load(window->document().workPath());
            QCOMPARE(roster->sector(), u"Ubaye"_s);
            QCOMPARE(roster->participants(), QStringList{"Zoé"});
            QCOMPARE(roster->day(QDate(roster->year(), 3, 1))->doctor, u"Zoé"_s);
            QCOMPARE(window->document().filePath(), roster->year() == 2011 ? edited_ : QString());
            window->approveClose();
        }
        captions.sort();
        QCOMPARE(captions, (QStringList{"Garde", "Tour 1"}));
        QCOMPARE(env_->workFiles().size(), 2);
        // The file changed since the child read it: saving over it asks first.
        RosterWindow* fileRoster =
            windows.first()->document().filePath() == edited_ ? windows.first() : windows.last();
        ui_->answers = {AnswerNo};
        QVERIFY(!fileRoster->document().save(false));
        QCOMPARE(ui_->questions.size(), 1);
        QVERIFY(
            ui_->questions.first().message.startsWith("Le fichier " + edited_ + " a été modifié"));
    }

    void answersToTheOffer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("reopened");
        QTest::addColumn<bool>("offeredAgain");
        QTest::newRow("reopen one, discard the other") << "one" << 1 << false;
        QTest::newRow("discard both") << "none" << 0 << false;
        QTest::newRow("later") << "later" << 0 << true;
    }

    // Reopened and discarded rosters are not offered again; those put off are.
    void answersToTheOffer()
    {
        QFETCH(QString, answer);
        QFETCH(int, reopened);
        QFETCH(bool, offeredAgain);
        QProcess child;
        startEditing(child);
        child.kill();
        QVERIFY(child.waitForFinished());
        if (answer != "later")
            ui_->recoveries = {QList<bool>{answer == "one", false}};

        {
            MainWindow restarted(ui_.get());
            QCOMPARE(start(restarted).size(), reopened);
            QCOMPARE(env_->workFiles().size(), offeredAgain ? 2 : reopened);
            for (RosterWindow* window : restarted.rosterWindows())
                window->approveClose();
        }

        MainWindow next(ui_.get());
        start(next);
        QCOMPARE(ui_->recoveryOffers.size(), offeredAgain ? 2 : 1);
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
