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
        QSaveFile file(target_);

        QCOMPARE(WriteRosterFile(roster->database(), file), RosterWrite::Written);

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
        std::unique_ptr<Roster> roster = Roster::load(MakeBlankRoster(2012));
        if (budget < 0)
            budget += QFileInfo(roster->database().path()).size();
        FailingSaveFile file(target_, budget);

        QCOMPARE(WriteRosterFile(roster->database(), file), RosterWrite::Failed);

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
            QSaveFile file(target_);
            QCOMPARE(WriteRosterFile(db, file), RosterWrite::Failed);
        }
        {
            Statement reading = db.prepare(R"(SELECT [Jour] FROM [Garde])");
            QVERIFY(reading.step());
            QSaveFile file(target_);
            QCOMPARE(WriteRosterFile(db, file), RosterWrite::Failed);
        }
        QCOMPARE(ReadFile(target_), former_);
        QSaveFile file(target_);
        QCOMPARE(WriteRosterFile(db, file), RosterWrite::Written);
    }
};

QTEST_GUILESS_MAIN(TestRosterFile)
#include "tst_rosterfile.moc"
