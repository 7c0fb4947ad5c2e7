#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/RosterDocument.h"
#include "roster_window/RosterWindow.h"
#include "session/RosterSession.h"
#include "session/SessionManager.h"
#include "shell/MainWindow.h"
#include "store/Roster.h"
#include "store/RosterJournal.h"
#include "store/WorkFile.h"

#include <QFile>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRecovery : public QObject {
    Q_OBJECT

private slots:
    void killedProgramsRostersAreOfferedBack_data()
    {
        QTest::addColumn<QList<bool>>("reopen"); // empty: put off to the next start
        QTest::newRow("reopen both") << QList<bool>{true, true};
        QTest::newRow("reopen one, discard the other") << QList<bool>{true, false};
        QTest::newRow("discard both") << QList<bool>{false, false};
        QTest::newRow("later") << QList<bool>();
    }

    // Another running copy keeps its working files to itself; once it is killed, its unsaved
    // rosters are offered back with every edit, and the rest is cleared away without a
    // question. Reopened and discarded rosters are not offered again; those put off are.
    void killedProgramsRostersAreOfferedBack()
    {
        QFETCH(QList<bool>, reopen);
        TestEnvironment env;
        ScriptedInteraction ui;
        const QString edited = env.tempPath() + "/Garde.dat";
        const QString saved = env.tempPath() + "/Enregistré.dat";
        QVERIFY(QFile::rename(CreateBlankRoster(2011), edited));
        QVERIFY(QFile::rename(CreateBlankRoster(2012), saved));
        // A running program that edited a roster file and a new roster, opened another file,
        // and edited and saved a third.
        QProcess child;
        const QDateTime editsBegan = QDateTime::currentDateTime();
        child.start(RECOVERY_CHILD, {edited, CreateBlankRoster(2012), saved});
        QVERIFY(child.waitForReadyRead(30000));
        QCOMPARE(child.readAllStandardOutput(), "prêt\n");
        const QDateTime editsEnded = QDateTime::currentDateTime();
        {
            MainWindow running(&ui);
            running.sessions().reopenAbandonedRosters();
            QVERIFY(running.rosterWindows().isEmpty() && ui.recoveryOffers.isEmpty());
        }
        QCOMPARE(env.workFiles().size(), 4);
        child.kill();
        QVERIFY(child.waitForFinished());
        // Meanwhile another copy of the program saved the roster file the child was editing.
        QVERIFY(WriteFile(edited, ReadFile(CreateMarchRoster())));
        // A working file no program can read, left with a record that says it holds changes.
        const QString damaged = WorkFolder() + "/vdoABCDEF.tmp";
        QVERIFY(WriteFile(damaged, "pas un tour de garde"));
        QVERIFY(WriteFile(damaged + ".info",
                          R"({"fichier":"","titre":"Tour 9","derniereModification":)"
                          R"("2026-12-06T10:00:00.000Z","nonEnregistre":true})"));
        if (!reopen.isEmpty())
            ui.recoveries = {reopen};
        const int reopened = int(reopen.count(true));
        {
            MainWindow restarted(&ui);
            restarted.sessions().reopenAbandonedRosters();

            QCOMPARE(ui.recoveryOffers.size(), 1);
            QCOMPARE(ui.recoveryOffers.first().size(), 2);
            for (const WorkRecord& offered : ui.recoveryOffers.first())
                QVERIFY(offered.lastEdit >= editsBegan && offered.lastEdit <= editsEnded);
            QVERIFY(ui.shown.isEmpty());
            QCOMPARE(restarted.rosterWindows().size(), reopened);
            QCOMPARE(env.workFiles().size(), reopen.isEmpty() ? 2 : reopened);
            for (RosterWindow* window : restarted.rosterWindows()) {
                const RosterDocument& document = window->session().document();
                std::unique_ptr<Roster> roster = Roster::load(document.workPath());
                const bool file = roster->year() == 2011;
                QVERIFY(document.isModified());
                QCOMPARE(roster->sector(), u"Ubaye"_s);
                QCOMPARE(roster->participants(), QStringList{"Zoé"});
                QCOMPARE(roster->day(QDate(roster->year(), 3, 1))->doctor, u"Zoé"_s);
                // The journal of the edits made before the crash came back with them.
                QStringList edits;
                const std::optional<QList<JournalEntry>> journal =
                    RosterJournal::Read(roster->database());
                for (const JournalEntry& entry : journal.value())
                    edits.append(entry.edit);
                QCOMPARE(edits,
                         (QStringList{u"Nommer le secteur Ubaye"_s, u"Ajouter le participant Zoé"_s,
                                      u"Mettre de garde Zoé le 1er mars"_s}));
                QCOMPARE(document.filePath(), file ? edited : QString());
                QCOMPARE(document.caption(), file ? u"Garde"_s : u"Tour 1"_s);
                window->session().approveClose();
                if (!file)
                    continue;
                // The file changed since the child read it: saving over it asks first.
                ui.answers = {AnswerNo};
                QVERIFY(!window->session().save());
                QVERIFY(ui.texts().value(0).startsWith("Le fichier " + edited + " a été modifié"));
            }
        }

        MainWindow next(&ui);
        next.sessions().reopenAbandonedRosters();
        QCOMPARE(ui.recoveryOffers.size(), reopen.isEmpty() ? 2 : 1);
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
