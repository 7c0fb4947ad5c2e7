#include "TestEnvironment.h"
#include "store/AbandonedRosters.h"
#include "store/BlankRoster.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"
#include "store/SafeFile.h"
#include "store/Transaction.h"
#include "store/WorkFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRosterFile : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    QString target_;
    QByteArray former_;

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        // The file being overwritten: a roster of another year, so that any change shows.
        target_ = env_->tempPath() + "/Garde.dat";
        QVERIFY(QFile::copy(CreateBlankRoster(2011), target_));
        former_ = ReadFile(target_);
    }

    void cleanup() { env_.reset(); }

    // The copy holds the roster file as it was read; working files are the user's alone.
    void workingFilesHoldTheRosterFileAndAreTheUsersOwn()
    {
        QVERIFY(QFile::setPermissions(target_, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                   QFileDevice::ReadOther));
        const WorkingCopy copy = MakeWorkingCopy(target_);
        QCOMPARE(ReadFile(copy.file->path()), former_);
        QCOMPARE(copy.source, StampOf(target_));
        const QFileDevice::Permissions own = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadUser | QFileDevice::WriteUser;
        QCOMPARE(QFile::permissions(copy.file->path()), own);
        QCOMPARE(QFile::permissions(WorkFolder()),
                 own | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        // Nothing is written through a link planted on a working file's path.
        const QString elsewhere = env_->tempPath() + "/ailleurs.dat";
        QVERIFY(QFile::link(elsewhere, WorkFolder() + "/vdo-planted.tmp"));
        QVERIFY(!CreatePrivateFile(WorkFolder() + "/vdo-planted.tmp"));
        QVERIFY(!QFile::exists(elsewhere));
    }

    // A roster, or any file written safely, is written whole or not at all: on a full disk, or
    // from a busy database (whose copy may be inconsistent), the former file stays with nothing
    // left beside it, and the next write goes through. Small files are the ones a plain save
    // file reported written, empty, on a full disk.
    void failedWriteLeavesTheFormerFile_data()
    {
        QTest::addColumn<QString>("obstacle"); // the room left on the disk, or pending work
        QTest::addColumn<int>("size");         // of the file written safely; 0: the roster written
        QTest::newRow("roster, full disk") << "0" << 0;
        QTest::newRow("roster, full after 1000 bytes") << "1000" << 0;
        QTest::newRow("roster, full at the last byte") << "-1" << 0;
        QTest::newRow("roster, pending transaction") << "transaction" << 0;
        QTest::newRow("roster, pending statement") << "statement" << 0;
        for (const int size : {100, 16000, 16384, 20000})
            QTest::addRow("%d bytes, full disk", size) << "0" << size;
    }

    void failedWriteLeavesTheFormerFile()
    {
        QFETCH(QString, obstacle);
        QFETCH(int, size);
        std::unique_ptr<Roster> roster = Roster::load(MakeBlankRoster(2012));
        const RosterDatabase& db = roster->database();
        const auto write = [&] {
            return size ? WriteFileSafely(target_, QByteArray(size, 'x'))
                        : WriteRosterFile(db, target_) == RosterWrite::Written;
        };
        if (obstacle == "transaction") {
            Transaction pending(db);
            db.execute(R"(UPDATE [Garde] SET [Médecin] = 'Dupont')");
            QVERIFY(!write());
        } else if (obstacle == "statement") {
            Statement reading = db.prepare(R"(SELECT [Jour] FROM [Garde])");
            QVERIFY(reading.step());
            QVERIFY(!write());
        } else {
            const qint64 room = obstacle.toLongLong();
            const FullDisk full(room < 0 ? QFileInfo(db.path()).size() + room : room);
            QVERIFY(!write());
        }
        QCOMPARE(ReadFile(target_), former_);
        QCOMPARE(QDir(env_->tempPath()).entryList({"Garde.dat*"}, QDir::Files | QDir::Hidden),
                 QStringList{"Garde.dat"});
        QVERIFY(write());
        QCOMPARE(ReadFile(target_), size ? QByteArray(size, 'x') : ReadFile(db.path()));
    }

    void fullDiskLeavesTheFormerRecord()
    {
        std::unique_ptr<RosterDatabase> db = MakeBlankRoster(2012);
        const WorkFile& work = *db->workFile();
        const QByteArray digest(32, '\xe9');
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(work.writeRecord({"/a/Garde.dat", std::nullopt, digest, "Garde", now, true}));
        const FullDisk full(0);
        QVERIFY(!work.writeRecord({"", std::nullopt, {}, "Tour 1", now, true}));
        QCOMPARE(work.record()->caption, u"Garde"_s);
        QCOMPARE(work.record()->fileDigest, digest);
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

QTEST_GUILESS_MAIN(TestRosterFile)
#include "tst_rosterfile.moc"
