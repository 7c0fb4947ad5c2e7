#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/RosterDocument.h"
#include "session/RosterSession.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"
#include "store/WorkFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QDate Third(2011, 3, 3);

// One byte of the file changed where it lies, its size and modification time as they were.
bool RewriteInPlace(const QString& path)
{
    struct stat status {};
    QByteArray bytes = ReadFile(path);
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || bytes.isEmpty())
        return false;
    bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ 0x55);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    const timespec times[] = {status.st_atim, status.st_mtim};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

} // namespace

// Saving and closing a roster: what the user is asked, and what the file then holds.
class TestSessionSaving : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<RosterSession> session_;
    QString path_;

    RosterDocument& document() const { return session_->document(); }
    QStringList working() const { return Rows(document().roster().database()); }
    WorkRecord record() const { return document().roster().database().workFile()->record().value(); }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = std::make_unique<ScriptedInteraction>();
        path_ = env_->tempPath() + "/Mars.dat";
        QVERIFY(QFile::rename(CreateMarchRoster(), path_));
        int untitled = 0;
        auto document = std::make_unique<RosterDocument>(*ui_);
        QVERIFY(document->openFile(MakeWorkingCopy(path_), path_, untitled));
        session_ = std::make_unique<RosterSession>(*ui_, std::move(document));
    }

    void cleanup()
    {
        session_.reset();
        env_.reset();
    }

    // What a save meets, done behind the roster's back. The next save goes through without a
    // word, even over the file rewritten with the bytes this roster last read or wrote (a
    // backup restored, a synchronising tool).
    void savingThroughMishaps_data()
    {
        QTest::addColumn<QString>("mishap");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message"); // told or asked by the first save, %1 the file
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("savedIn"); // empty: not saved
        const QString changed = u"Le fichier %1 a été modifié par un autre programme depuis son "
                                "ouverture.\r\nVoulez-vous le remplacer par ce tour de garde ?"_s;
        const QString lost = u"Le fichier de travail de ce tour de garde a été supprimé ou "
                             "remplacé par un autre programme : le tour de garde n'a pas été "
                             "enregistré.\r\nLe fichier de travail a été recréé avec toutes vos "
                             "modifications. Enregistrez de nouveau le tour de garde."_s;
        QTest::newRow("file changed, replaced")
            << "changed" << AnswerYes << changed << MessageIcon::Warning << "Mars.dat";
        QTest::newRow("file changed, saved as another")
            << "changed" << AnswerNo << changed << MessageIcon::Warning << "Autre.dat";
        QTest::newRow("file rewritten in place, its time put back")
            << "in place" << AnswerYes << changed << MessageIcon::Warning << "Mars.dat";
        QTest::newRow("file rewritten with the same bytes")
            << "same" << 0 << QString() << MessageIcon::None << "Mars.dat";
        QTest::newRow("working file deleted")
            << "deleted" << 0 << lost << MessageIcon::Warning << QString();
        QTest::newRow("working file replaced by another roster")
            << "replaced" << 0 << lost << MessageIcon::Warning << QString();
        QTest::newRow("saved as into a folder since removed")
            << "gone" << 0 << u"Une erreur s'est produite pendant la sauvegarde."_s
            << MessageIcon::Critical << QString();
    }

    void savingThroughMishaps()
    {
        QFETCH(QString, mishap);
        QFETCH(int, answer);
        QFETCH(QString, message);
        QFETCH(MessageIcon, icon);
        QFETCH(QString, savedIn);
        // Another file put in a file's place, as a tool that writes a copy and renames it.
        const auto rewrite = [](const QString& path, const QByteArray& bytes) {
            return WriteFile(path + "~", bytes) && QFile::remove(path) &&
                   QFile::rename(path + "~", path);
        };
        const QString work = document().workPath();
        QVERIFY(document().setSector("Ubaye"));
        if (mishap == "changed" || mishap == "same")
            QVERIFY(rewrite(path_, ReadFile(mishap == "same" ? path_ : CreateBlankRoster(2013))));
        else if (mishap == "in place")
            QVERIFY(RewriteInPlace(path_));
        else if (mishap != "gone")
            QVERIFY(QFile::remove(work) &&
                    (mishap == "deleted" || QFile::copy(CreateBlankRoster(2013), work)));
        const QByteArray before = ReadFile(path_);
        ui_->answers = {answer};
        ui_->filesToSave = {env_->tempPath() +
                            (mishap == "gone" ? "/disparu/Mars.dat" : "/Autre.dat")};
        QSignalSpy saved(&document(), &RosterDocument::saved);

        QCOMPARE((mishap == "gone" ? session_->saveAs() : session_->save()), !savedIn.isEmpty());

        QCOMPARE(ui_->texts().join(u'\n').replace(path_, u"%1"_s), message);
        QCOMPARE(ui_->shown.value(0).icon, icon);
        for (const Question& question : std::as_const(ui_->questions))
            QVERIFY(question.buttons == ButtonSet::YesNo && question.focusedButton == AnswerNo);
        QCOMPARE(ReadFile(path_) != before, savedIn == "Mars.dat");
        QCOMPARE(document().isModified(), savedIn.isEmpty());
        QCOMPARE(saved.size(), savedIn.isEmpty() ? 0 : 1);
        const QString file = document().filePath();
        QCOMPARE(QFileInfo(file).fileName(), savedIn.isEmpty() ? u"Mars.dat"_s : savedIn);
        QCOMPARE(document().caption(), QFileInfo(file).baseName());
        QCOMPARE(record().filePath, file);

        QVERIFY(rewrite(file, ReadFile(file)));
        QVERIFY(session_->save());
        QCOMPARE(ui_->shown.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(Rows(file), working());
        QVERIFY(working().contains("Secteur|Ubaye||"));
        QCOMPARE(env_->workFiles(), QStringList{QFileInfo(document().workPath()).fileName()});
    }

    // The roster file is locked from the check of a change on disk until it is replaced: a copy
    // saving the same file at that moment waits, then sees the change.
    void theFileIsLockedWhileItIsReplaced_data()
    {
        QTest::addColumn<bool>("changedOnDisk");
        QTest::newRow("unchanged") << false;
        QTest::newRow("changed, replaced after asking") << true;
    }

    void theFileIsLockedWhileItIsReplaced()
    {
        QFETCH(bool, changedOnDisk);
        QVERIFY(document().setSector("Ubaye"));
        if (changedOnDisk)
            QVERIFY(RewriteInPlace(path_));
        ui_->answers = {AnswerYes};
        int writes = 0;
        document().setRosterWriter([&writes](const RosterDatabase& db, const QString& target) {
            QLockFile other(target + ".lock");
            if (!other.tryLock(0) && other.error() == QLockFile::LockFailedError)
                ++writes;
            return WriteRosterFile(db, target);
        });
        QVERIFY(session_->save());
        QCOMPARE(writes, 1);
        QCOMPARE(ui_->questions.size(), changedOnDisk ? 1 : 0);
        QVERIFY(!QFile::exists(path_ + ".lock"));
    }

    void closing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("mayClose");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes") << AnswerYes << true << true;
        QTest::newRow("no") << AnswerNo << true << false;
        QTest::newRow("cancel") << AnswerCancel << false << false;
    }

    void closing()
    {
        QFETCH(int, answer);
        QFETCH(bool, mayClose);
        QFETCH(bool, saved);
        QVERIFY(session_->mayClose());
        document().assignDay(Third, "B");
        ui_->answers = {answer};
        QCOMPARE(session_->mayClose(), mayClose);
        QCOMPARE(
            ui_->texts(),
            QStringList{u"Les données de Mars ont changées.\r\nVoulez-vous les sauvegarder ?"_s});
        QCOMPARE(Rows(path_) == working(), saved);
        const QString work = document().workPath();
        document().close();
        QVERIFY(!QFile::exists(work));
    }

    // After "Enregistrer sous" the history goes on: undone, the roster differs from the file
    // it was saved to; redone, it is that file again.
    void undoAndRedoAfterSavingAs()
    {
        QVERIFY(document().assignDay(QDate(2011, 3, 3), "B"));
        const QString other = env_->tempPath() + "/Autre.dat";
        ui_->filesToSave = {other};
        QVERIFY(session_->saveAs());
        QCOMPARE(document().caption(), u"Autre"_s);
        const QStringList saved = Rows(other);
        QVERIFY(document().undo());
        QVERIFY(document().isModified() && record().unsaved);
        QCOMPARE(record().filePath, other);
        QCOMPARE(Rows(other), saved);
        QVERIFY(working() != saved);
        QVERIFY(document().redo());
        QVERIFY(!document().isModified() && !record().unsaved);
        QCOMPARE(working(), saved);
        QVERIFY(document().undo());
        QVERIFY(session_->save());
        QCOMPARE(Rows(other), working());
        QCOMPARE(ui_->saveChoices.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSessionSaving)
#include "tst_sessionsaving.moc"
