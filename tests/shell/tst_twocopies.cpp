#include "TestEnvironment.h"
#include "store/RosterDatabase.h"

#include <QDateTime>
#include <QProcess>
#include <QTest>

class TestTwoCopies : public QObject {
    Q_OBJECT

    static void tell(QProcess& copy, const QByteArray& line)
    {
        copy.write(line + "\n");
        copy.waitForBytesWritten();
    }

    // The copy's next line; empty when it says nothing for long.
    static QByteArray answer(QProcess& copy)
    {
        while (!copy.canReadLine())
            if (!copy.waitForReadyRead(30000))
                return {};
        return copy.readLine().trimmed();
    }

private slots:
    // Two copies open the same file and save it at the same moment: one replaces it, the
    // other sees the change and asks; never do both replace it, one losing the other's work.
    void savesAtTheSameMomentTakeTurns()
    {
        TestEnvironment env;
        const QString path = env.tempPath() + "/Garde.dat";
        QVERIFY(QFile::rename(CreateBlankRoster(2012), path));
        RosterDatabase::open(path)->execute(
            R"(INSERT INTO [Participants] ([Médecin]) VALUES ('Martin'), ('Dupont'))");
        QProcess martin, dupont;
        martin.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        dupont.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        martin.start(SAVING_CHILD, {path, "Martin"});
        dupont.start(SAVING_CHILD, {path, "Dupont"});
        for (int round = 1; round <= 20; ++round) {
            for (QProcess* copy : {&martin, &dupont}) {
                tell(*copy, "ouvre");
                QCOMPARE(answer(*copy), "prêt");
            }
            // Both wait for the same moment, a little ahead, to save.
            const QByteArray save =
                "enregistre " + QByteArray::number(QDateTime::currentMSecsSinceEpoch() + 100);
            tell(martin, save);
            tell(dupont, save);
            QByteArrayList answers{answer(martin), answer(dupont)};
            std::sort(answers.begin(), answers.end());
            QCOMPARE(answers, (QByteArrayList{"demandé", "silencieux"}));
        }
        martin.closeWriteChannel();
        dupont.closeWriteChannel();
        QVERIFY(martin.waitForFinished() && dupont.waitForFinished());
    }
};

QTEST_GUILESS_MAIN(TestTwoCopies)
#include "tst_twocopies.moc"
