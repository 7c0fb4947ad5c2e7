#include "TestEnvironment.h"
#include "store/BlankRoster.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"
#include "store/Transaction.h"
#include "store/WorkFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

class TestRosterFile : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    QString target_;
    QByteArray former_;

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        // The roster file being overwritten: another year, so that any change shows.
        target_ = env_->tempPath() + "/Garde.dat";
        QVERIFY(QFile::copy(CreateBlankRoster(2011), target_));
        former_ = ReadFile(target_);
    }

    void cleanup() { env_.reset(); }

    void workingCopyHoldsTheRosterFile()
    {
        const WorkingCopy copy = MakeWorkingCopy(target_);
        QCOMPARE(ReadFile(copy.file->path()), former_);
        QCOMPARE(copy.source, StampOf(target_));
        const QStringList workFiles = env_->workFiles();
        QVERIFY(!MakeWorkingCopy(env_->tempPath() + "/disparu.dat").file);
        QCOMPARE(env_->workFiles(), workFiles);
    }

    void workingFilesAreTheUsersOwn()
    {
        QVERIFY(QFile::setPermissions(target_, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                   QFileDevice::ReadOther));
        const QFileDevice::Permissions own = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadUser | QFileDevice::WriteUser;
        QCOMPARE(QFile::permissions(MakeWorkingCopy(target_).file->path()), own);
        QCOMPARE(QFile::permissions(MakeBlankRoster(2012)->path()), own);
        QCOMPARE(QFile::permissions(WorkFolder()),
                 own | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    }

    void nothingIsWrittenThroughALinkPlantedOnTheWorkingPath()
    {
        const QString elsewhere = env_->tempPath() + "/ailleurs.dat";
        const QString planted = WorkFolder() + "/vdo-planted.tmp";
        QVERIFY(QFile::link(elsewhere, planted));
        QVERIFY(!CreatePrivateFile(planted));
        QVERIFY(!QFile::exists(elsewhere));
    }

    void savedFileIsTheWorkingDatabase()
    {
        std::unique_ptr<Roster> roster = Roster::load(MakeBlankRoster(2012));
        QCOMPARE(WriteRosterFile(roster->database(), target_), RosterWrite::Written);

        QCOMPARE(ReadFile(target_), ReadFile(roster->database().path()));
        QCOMPARE(Roster::load(target_)->year(), 2012);
    }

    void fullDiskLeavesTheFormerFile_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::newRow("nothing written") << qint64(0);
        QTest::newRow("after 1000 bytes") << qint64(1000);
        QTest::newRow("all but the last byte") << qint64(-1);
    }

    void fullDiskLeavesTheFormerFile()
    {
        QFETCH(qint64, room);
        std::unique_ptr<Roster> roster = Roster::load(MakeBlankRoster(2012));
        if (room < 0)
            room += QFileInfo(roster->database().path()).size();
        const FullDisk full(room);

        QCOMPARE(WriteRosterFile(roster->database(), target_), RosterWrite::Failed);

        QCOMPARE(ReadFile(target_), former_);
        QCOMPARE(QDir(env_->tempPath()).entryList({"Garde.dat*"}, QDir::Files | QDir::Hidden),
                 QStringList{"Garde.dat"});
    }

    void busyDatabaseIsNotCopied()
    {
        std::unique_ptr<Roster> roster = Roster::load(MakeBlankRoster(2012));
        const RosterDatabase& db = roster->database();
        {
            Transaction pending(db);
            db.execute(R"(UPDATE [Garde] SET [Médecin] = 'Dupont')");
            QCOMPARE(WriteRosterFile(db, target_), RosterWrite::Failed);
        }
        {
            Statement reading = db.prepare(R"(SELECT [Jour] FROM [Garde])");
            QVERIFY(reading.step());
            QCOMPARE(WriteRosterFile(db, target_), RosterWrite::Failed);
        }
        QCOMPARE(ReadFile(target_), former_);
        QCOMPARE(WriteRosterFile(db, target_), RosterWrite::Written);
    }
};

QTEST_GUILESS_MAIN(TestRosterFile)
#include "tst_rosterfile.moc"
