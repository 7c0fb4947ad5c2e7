#include "BlankRoster.h"
#include "Roster.h"
#include "RosterDatabase.h"
#include "RosterFile.h"
#include "TestEnvironment.h"
#include "Transaction.h"
#include "WorkFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTest>

namespace {

// A roster file whose writes fail once a number of bytes has been written.
class FailingSaveFile : public QSaveFile {
public:
    FailingSaveFile(const QString& path, qint64 budget)
        : QSaveFile(path)
        , budget_(budget)
    {
    }

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        if (length > budget_)
            return -1;
        budget_ -= length;
        return QSaveFile::writeData(data, length);
    }

private:
    qint64 budget_;
};

} // namespace

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
        const QString work = MakeWorkingCopy(target_);
        QVERIFY(work != target_);
        QCOMPARE(ReadFile(work), former_);
        const QStringList workFiles = env_->workFiles();
        QVERIFY(MakeWorkingCopy(env_->tempPath() + "/disparu.dat").isEmpty());
        QCOMPARE(env_->workFiles(), workFiles);
    }

    void workingFilesAreTheUsersOwn()
    {
        QVERIFY(QFile::setPermissions(target_, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                   QFileDevice::ReadOther));
        const QFileDevice::Permissions own = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadUser | QFileDevice::WriteUser;
        QCOMPARE(QFile::permissions(MakeWorkingCopy(target_)), own);
        QCOMPARE(QFile::permissions(CreateBlankRoster(2012)), own);
    }

    void nothingIsWrittenThroughALinkPlantedOnTheWorkingPath()
    {
        const QString elsewhere = env_->tempPath() + "/ailleurs.dat";
        const QString planted = env_->tempPath() + "/vdo-planted.tmp";
        QVERIFY(QFile::link(elsewhere, planted));
        QVERIFY(!CreatePrivateFile(planted));
        QVERIFY(!QFile::exists(elsewhere));
    }

    void savedFileIsTheWorkingDatabase()
    {
        std::unique_ptr<Roster> roster = Roster::load(CreateBlankRoster(2012));
        QSaveFile file(target_);

        QVERIFY(WriteRosterFile(roster->database(), file));

        QCOMPARE(ReadFile(target_), ReadFile(roster->database().path()));
        QCOMPARE(Roster::load(target_)->year(), 2012);
    }

    void failedWriteLeavesTheFormerFile_data()
    {
        QTest::addColumn<qint64>("budget");
        QTest::newRow("nothing written") << qint64(0);
        QTest::newRow("after 1000 bytes") << qint64(1000);
        QTest::newRow("all but the last byte") << qint64(-1);
    }

    void failedWriteLeavesTheFormerFile()
    {
        QFETCH(qint64, budget);
        std::unique_ptr<Roster> roster = Roster::load(CreateBlankRoster(2012));
        if (budget < 0)
            budget += QFileInfo(roster->database().path()).size();
        FailingSaveFile file(target_, budget);

        QVERIFY(!WriteRosterFile(roster->database(), file));

        QCOMPARE(ReadFile(target_), former_);
        QCOMPARE(QDir(env_->tempPath()).entryList({"Garde.dat*"}, QDir::Files | QDir::Hidden),
                 QStringList{"Garde.dat"});
    }

    void busyDatabaseIsNotCopied()
    {
        std::unique_ptr<Roster> roster = Roster::load(CreateBlankRoster(2012));
        const RosterDatabase& db = roster->database();
        {
            Transaction pending(db);
            db.execute(R"(UPDATE [Garde] SET [Médecin] = 'Dupont')");
            QSaveFile file(target_);
            QVERIFY(!WriteRosterFile(db, file));
        }
        {
            Statement reading = db.prepare(R"(SELECT [Jour] FROM [Garde])");
            QVERIFY(reading.step());
            QSaveFile file(target_);
            QVERIFY(!WriteRosterFile(db, file));
        }
        QCOMPARE(ReadFile(target_), former_);
        QSaveFile file(target_);
        QVERIFY(WriteRosterFile(db, file));
    }

    void damagedDatabaseIsNotCopied()
    {
        const QString work = CreateBlankRoster(2012);
        {
            std::unique_ptr<RosterDatabase> db = RosterDatabase::open(work);
            db->execute(R"(INSERT INTO [Participants] ([Médecin], [Ville]) VALUES ('A', 'Digne'))");
            // The index now claims to order the towns while it holds the names.
            db->execute("PRAGMA writable_schema = ON");
            db->execute(R"(UPDATE sqlite_master SET sql = 'CREATE INDEX [Médecin] ON
                           [Participants] ([Ville])' WHERE name = 'Médecin')");
        }
        std::unique_ptr<RosterDatabase> damaged = RosterDatabase::open(work);
        QVERIFY(damaged);
        QSaveFile file(target_);

        QVERIFY(!WriteRosterFile(*damaged, file));

        QCOMPARE(ReadFile(target_), former_);
    }
};

QTEST_GUILESS_MAIN(TestRosterFile)
#include "tst_rosterfile.moc"
