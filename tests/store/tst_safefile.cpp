#include "TestEnvironment.h"
#include "store/AbandonedRosters.h"
#include "store/BlankRoster.h"
#include "store/SafeFile.h"
#include "store/WorkFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSafeFile : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    // Small files are the ones a plain save file reported written, empty, on a full disk.
    void fullDiskLeavesTheFormerFile_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {100, 16000, 16384, 20000})
            QTest::addRow("%d bytes", size) << size;
    }

    void fullDiskLeavesTheFormerFile()
    {
        QFETCH(int, size);
        const QString path = env_->tempPath() + "/Garde.csv";
        QVERIFY(WriteFileSafely(path, "ancien contenu"));
        {
            const FullDisk full(0);
            QVERIFY(!WriteFileSafely(path, QByteArray(size, 'x')));
        }
        QCOMPARE(ReadFile(path), "ancien contenu");
        QCOMPARE(QDir(env_->tempPath()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Garde.csv"});
        QVERIFY(WriteFileSafely(path, QByteArray(size, 'x')));
        QCOMPARE(ReadFile(path).size(), size);
    }

    void fullDiskLeavesTheFormerRecord()
    {
        std::unique_ptr<RosterDatabase> db = MakeBlankRoster(2012);
        const WorkFile& work = *db->workFile();
        const WorkRecord before{"/a/Garde.dat",
                                std::nullopt,
                                QByteArray(32, '\xe9'),
                                "Garde",
                                QDateTime::currentDateTime(),
                                true};
        QVERIFY(work.writeRecord(before));
        const FullDisk full(0);
        QVERIFY(!work.writeRecord(
            {"", std::nullopt, {}, "Tour 1", QDateTime::currentDateTime(), true}));
        QCOMPARE(work.record()->caption, u"Garde"_s);
        QCOMPARE(work.record()->fileDigest, before.fileDigest);
    }

    void workingFileWithoutARecordIsOfferedBack_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("emptied") << ""_ba;
        QTest::newRow("cut short") << "{\"fichier\":\"/a/Garde.dat\",\"titre\":\"Ga"_ba;
    }

    // Edits the program could not record are not lost with the record; a record it was writing
    // when it ended is cleared away.
    void workingFileWithoutARecordIsOfferedBack()
    {
        QFETCH(QByteArray, record);
        QString workPath;
        {
            std::unique_ptr<RosterDatabase> db = MakeBlankRoster(2012);
            workPath = db->path();
            db->workFile()->keepForLater();
        }
        if (!record.isNull())
            QVERIFY(WriteFile(workPath + ".info", record));
        QVERIFY(WriteFile(workPath + ".info.Ab12Cd", "{"));
        const QDateTime lastWritten = QFileInfo(workPath).lastModified();

        std::vector<AbandonedRoster> offered = TakeAbandonedRosters();

        QCOMPARE(offered.size(), size_t(1));
        QCOMPARE(offered.front().record.caption, u"Tour de garde sans nom"_s);
        QCOMPARE(offered.front().record.filePath, QString());
        QCOMPARE(offered.front().record.lastEdit, lastWritten);
        QVERIFY(offered.front().record.unsaved);
        QVERIFY(!QFile::exists(workPath + ".info.Ab12Cd"));
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
