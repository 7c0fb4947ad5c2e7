#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/RosterDocument.h"
#include "rules/RuleCheck.h"
#include "session/AlertCount.h"
#include "session/NewBlankRoster.h"
#include "session/RosterSession.h"
#include "store/BlankRoster.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"
#include "store/Settings.h"
#include "store/WorkFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QDate First(2011, 3, 1);  // A
const QDate Second(2011, 3, 2); // shared by B (08:00-20:00) then A
const QDate Third(2011, 3, 3);  // nobody
const QDate FirstSaturday(2011, 3, 5);
const QString YearPrompt = QStringLiteral("Entrez l'année du tour de garde:");
const QString RangeMessage =
    QStringLiteral("L'année du tour de garde doit être comprise entre 1900 et 9999.");

using Command = std::function<void(RosterSession&)>;

// The days the session's display mode makes stand out.
QList<QDate> Highlighted(const RosterSession& session)
{
    QList<QDate> days;
    for (QDate day(2011, 1, 1); day.year() == 2011; day = day.addDays(1)) {
        if (session.isHighlighted(day).value_or(false))
            days.append(day);
    }
    return days;
}

// The alerts of the roster's whole year, checked afresh.
QList<RuleAlert> AllAlerts(const Roster& roster)
{
    return CheckRules(FactsOf(roster), roster.rules(), QDate(roster.year(), 1, 1),
                      QDate(roster.year(), 12, 31));
}

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

class TestRosterSession : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<RosterSession> session_;
    QString path_;

    RosterDocument& document() const { return session_->document(); }
    QStringList working() const { return Rows(document().roster().database()); }
    WorkRecord record() const
    {
        return document().roster().database().workFile()->record().value();
    }

    // The March roster saved as "Mars.dat"; empty days raise no alert unless asked, so that
    // one can be exchanged.
    void open(bool emptyDayAlerts = true)
    {
        path_ = env_->tempPath() + "/Mars.dat";
        QFile::remove(path_);
        QVERIFY(QFile::rename(CreateMarchRoster(), path_));
        if (!emptyDayAlerts) {
            RosterRules rules;
            rules.dayWithoutDuty = false;
            RosterDatabase::open(path_)->setRules(rules);
        }
        int untitled = 0;
        auto document = std::make_unique<RosterDocument>(*ui_);
        QVERIFY(document->openFile(MakeWorkingCopy(path_), path_, untitled));
        session_ = std::make_unique<RosterSession>(*ui_, std::move(document));
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = std::make_unique<ScriptedInteraction>();
        open();
    }

    void cleanup()
    {
        session_.reset();
        env_.reset();
    }

    void viewModes_data()
    {
        QTest::addColumn<ViewMode>("mode");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QList<QDate>>("highlighted");
        QTest::addColumn<QString>("findText");
        QTest::newRow("participant A, on duty and sharing")
            << ViewMode::Doctor << 1 << QList<QDate>{First, Second} << u"Médecin repéré : A"_s;
        QTest::newRow("participant B, sharing only")
            << ViewMode::Doctor << 0 << QList<QDate>{Second} << u"Médecin repéré : B"_s;
        QTest::newRow("shared days") << ViewMode::Shared << -1 << QList<QDate>{Second} << "";
        QList<QDate> blank;
        for (QDate day(2011, 1, 1); day.year() == 2011; day = day.addDays(1))
            if (day != First && day != Second)
                blank.append(day);
        QTest::newRow("days without anyone") << ViewMode::Blank << -1 << blank << "";
        QTest::newRow("unavailable days")
            << ViewMode::Unavailable << -1 << QList<QDate>{QDate(2011, 3, 4), QDate(2011, 8, 15)}
            << "";
        QList<QDate> away;
        for (QDate day(2011, 8, 1); day.day() <= 10; day = day.addDays(1))
            away.append(day);
        QTest::newRow("absences of A") << ViewMode::Absences << 1 << away << u"Absences de A"_s;
    }

    void viewModes()
    {
        QFETCH(ViewMode, mode);
        QFETCH(int, choice);
        QFETCH(QList<QDate>, highlighted);
        QFETCH(QString, findText);
        ui_->participantChoices = {choice};
        session_->chooseViewMode(mode);
        QCOMPARE(session_->viewMode(), mode);
        QCOMPARE(Highlighted(*session_), highlighted);
        QCOMPARE(session_->findText(), findText);
        if (choice < 0)
            return;
        // Chosen again and cancelled: the participant shown stays, preselected in the list.
        session_->chooseViewMode(mode);
        QCOMPARE(ui_->preselections, (QList<int>{0, choice}));
        QCOMPARE(Highlighted(*session_), highlighted);
        // Renamed, he is no longer found: the grid goes back to standard.
        ui_->renamings = {Renaming{session_->findTarget(), u"Dr Autre"_s}};
        session_->renameParticipant();
        QCOMPARE(session_->viewMode(), ViewMode::Standard);
        QCOMPARE(session_->findText(), QString());
    }

    void questionsBeforeEdits_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("question");
        const auto assign = [](QDate day, const QString& doctor) {
            return Command([day, doctor](RosterSession& s) {
                s.setCurrentDay(day);
                s.assignCurrentDay(doctor);
            });
        };
        const auto copy = [](QDate source, QDate target) {
            return Command([source, target](RosterSession& s) { s.copyDay(source, target); });
        };
        QTest::newRow("assign over a shared day")
            << assign(Second, "A")
            << u"Cette garde est partagée.\r\nEtes-vous sûr de vouloir mettre de garde A ?"_s;
        QTest::newRow("clear a shared day")
            << assign(Second, {})
            << u"Cette garde est partagée.\r\nEtes-vous sûr de vouloir mettre cette garde à "
               "blanc ?"_s;
        QTest::newRow("name onto shared")
            << copy(First, Second)
            << u"La garde du mercredi 2 mars est partagée.\r\nConfirmez votre intention de "
               "remplacer les données (celles-ci seront perdues)."_s;
        QTest::newRow("shared onto empty")
            << copy(Second, Third)
            << u"Confimez votre intention de copier les données actuelles de partage pour la "
               "garde du jeudi 3 mars."_s;
        QTest::newRow("empty onto assigned")
            << copy(Third, First)
            << u"Confirmez votre intention de mettre la garde du mardi 1 mars à blanc."_s;
        QTest::newRow("name onto empty")
            << copy(First, Third)
            << u"Confirmez votre intention de mettre A de garde le jeudi 3 mars."_s;
        QTest::newRow("clear unavailable days")
            << Command([](RosterSession& s) { s.clearUnavailableDays(); })
            << u"Cette fonction videra la liste de mes jours indisponibles.\r\nCeci est nécessaire "
               "si, par exemple, ce fichier a été transmis par un confrère (ses indisponibilités "
               "ne sont pas les miennes).\r\nVider la liste des jours indisponibles ?"_s;
        QTest::newRow("swap days of different types")
            << Command([](RosterSession& s) { s.swapDays(First, FirstSaturday); })
            << u"Ces deux jours ne sont pas du même type.\r\nÉchanger tout de même les gardes du "
               "1er mars et du 5 mars ?"_s;
    }

    // The question is asked exactly so: "Non" changes nothing, "Oui" makes the edit.
    void questionsBeforeEdits()
    {
        QFETCH(Command, command);
        QFETCH(QString, question);
        const QStringList before = Rows(document().roster().database());
        ui_->answers = {AnswerNo, AnswerYes};
        command(*session_);
        QCOMPARE(ui_->texts(), QStringList{question});
        QCOMPARE(Rows(document().roster().database()), before);
        QVERIFY(!document().undoStack().canUndo());
        command(*session_);
        QCOMPARE(document().undoStack().count(), 1);
    }

    // Nothing is asked where nothing would change: a day dropped onto itself, or onto a day
    // holding the same participant.
    void dropsThatChangeNothingAskNothing()
    {
        session_->copyDay(First, First);
        session_->copyDay(Third, Third.addDays(1));
        QVERIFY(ui_->questions.isEmpty() && !document().undoStack().canUndo());
    }

    // The sharing dialog is told what the day holds, and the status bar shows the intervals.
    void sharing()
    {
        session_->setCurrentDay(First);
        ui_->shares = {QList<SharedInterval>{{"A", 0, 6}, {"B", 6, 24}}};
        session_->shareCurrentDay();
        QCOMPARE(ui_->shareRequests.first().info,
                 u"Cette garde est, pour le moment, affectée à A"_s);
        QCOMPARE(session_->statusDuty(), u"A 08:00–14:00, B 14:00–08:00"_s);
    }

    // Each edit rechecks the days its rules reach, up to the year's first and last days, and
    // leaves the alerts a check of the whole year finds.
    void alertsFollowEdits_data()
    {
        QTest::addColumn<QList<QDate>>("daysOfA");
        QTest::newRow("Sunday after its Monday")
            << QList<QDate>{QDate(2011, 3, 7), QDate(2011, 3, 6)};
        QTest::newRow("first of three weekends last")
            << QList<QDate>{QDate(2011, 3, 19), QDate(2011, 3, 26), QDate(2011, 3, 12)};
        QTest::newRow("last of three weekends last")
            << QList<QDate>{QDate(2011, 3, 5), QDate(2011, 3, 12), QDate(2011, 3, 19)};
        QTest::newRow("away") << QList<QDate>{QDate(2011, 8, 5)};
        QTest::newRow("the year's first week")
            << QList<QDate>{QDate(2011, 1, 3), QDate(2011, 1, 1), QDate(2011, 1, 8)};
        QTest::newRow("the year's last week")
            << QList<QDate>{QDate(2011, 12, 31), QDate(2011, 12, 30), QDate(2011, 12, 24)};
    }

    void alertsFollowEdits()
    {
        QFETCH(QList<QDate>, daysOfA);
        open(false);
        const Roster& roster = document().roster();
        const auto checkAlerts = [&] {
            const QList<RuleAlert> expected = AllAlerts(roster);
            QCOMPARE(session_->alerts().all(), expected);
            QCOMPARE(session_->statusAlertCount(), AlertCount(expected.size()));
        };
        for (const QDate& day : daysOfA) {
            session_->setCurrentDay(day);
            session_->assignCurrentDay(u"A"_s);
            checkAlerts();
        }
        const QDate alerted = session_->alerts().all().last().day;
        session_->setCurrentDay(alerted);
        QCOMPARE(session_->statusAlerts(), session_->alertTexts(alerted).join(u" ; "_s));
        QVERIFY(!session_->statusAlerts().isEmpty());

        const RosterRules rules{false, false, false, 2, 3, true, true, true};
        ui_->rules = {rules};
        session_->editRules();
        checkAlerts();
        // The group's rules are set once: the next roster starts with them.
        QCOMPARE(Roster::load(MakeBlankRoster(2012))->rules(), rules);
        session_->showAbsences();
        ui_->absencesWindows.first().add({u"A"_s, First, First, {}});
        QVERIFY(session_->alertTexts(First).contains(u"A est absent ce jour"_s));
        checkAlerts();
        for (int edit = 0; edit < daysOfA.size() + 2; ++edit)
            document().undoStack().undo();
        checkAlerts();
    }

    // Every kind of alert gets the exchanges that clear it; the one chosen is made and the
    // alert is gone, with no other raised. Hours nobody holds go with their day wherever it
    // goes: no exchange clears them.
    void proposals_data()
    {
        QTest::addColumn<QStringList>("duties"); // "day holder", or "day A 0 12 B 12 24"
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QString>("proposed"); // the first exchange; empty: none
        QTest::newRow("two days running")
            << QStringList{"2/3 A"} << Second << u"A est de garde la veille"_s
            << u"Personne, jeudi 3 mars"_s;
        QTest::newRow("a weekend run")
            << QStringList{"5/3 A",  "6/3 A",  "12/3 A", "13/3 A",
                           "19/3 A", "20/3 A", "26/3 B", "27/3 B"}
            << QDate(2011, 3, 19) << u"A est de garde plus de 2 week-ends sur 3"_s
            << u"B, du samedi 26 mars au dimanche 27 mars"_s;
        QTest::newRow("the Monday after his weekend")
            << QStringList{"5/3 B", "7/3 B"} << QDate(2011, 3, 7)
            << u"B est de garde le lundi après son week-end"_s << u"Personne, mardi 8 mars"_s;
        QTest::newRow("a shared day the day after his")
            << QStringList{"10/3 A", "11/3 A 0 12 B 12 24"} << QDate(2011, 3, 11)
            << u"A est de garde la veille"_s << u"Personne, mardi 8 mars"_s;
        QTest::newRow("hours nobody holds")
            << QStringList{"10/3 A 0 12 B 12.5 24"} << QDate(2011, 3, 10)
            << u"Personne n'est de garde de 20:00 à 20:30"_s << QString();
    }

    void proposals()
    {
        QFETCH(QStringList, duties);
        QFETCH(QDate, day);
        QFETCH(QString, alert);
        QFETCH(QString, proposed);
        open(false);
        for (const QString& duty : duties) {
            const QStringList part = duty.split(' ');
            const QDate date = QDate::fromString(part[0] + "/2011", "d/M/yyyy");
            QList<SharedInterval> intervals;
            for (qsizetype i = 1; i + 2 < part.size(); i += 3)
                intervals.append({part[i], part[i + 1].toDouble(), part[i + 2].toDouble()});
            QVERIFY(intervals.isEmpty() ? document().assignDay(date, part[1])
                                        : document().shareDay(date, intervals));
        }
        session_->setCurrentDay(day);
        QCOMPARE(session_->alertTexts(day).value(0), alert);
        const qsizetype before = session_->alerts().all().size();
        ui_->swapChoices = {0};

        session_->proposeSwapsForCurrentDay();

        if (proposed.isEmpty()) {
            QCOMPARE(ui_->texts(),
                     QStringList{u"Aucun échange ne lève cette alerte sans en créer une autre."_s});
            QCOMPARE(session_->alerts().all().size(), before);
            return;
        }
        QCOMPARE(ui_->swapProposals.value(0).value(0), proposed);
        QVERIFY(!session_->alertTexts(day).contains(alert));
        QVERIFY(session_->alerts().all().size() < before);
        QCOMPARE(session_->alerts().all(), AllAlerts(document().roster()));
    }

    // A day whose intervals cannot be read (the file held by another program) keeps its
    // alerts and its description; the roster is untouched.
    void unreadableIntervalsKeepTheirAlerts()
    {
        QVERIFY(document().shareDay(Third, {{"A", 0, 12}, {"B", 12.5, 24}}));
        session_->setCurrentDay(Third);
        const QList<RuleAlert> alerts = session_->alerts().all();
        const QString shownAlerts = session_->statusAlerts();
        QVERIFY(shownAlerts.contains(u"de 20:00 à 20:30"_s));
        std::unique_ptr<RosterDatabase> other = RosterDatabase::open(document().workPath());
        other->execute("BEGIN EXCLUSIVE");

        emit document().dayChanged(Third);

        QCOMPARE(session_->alerts().all(), alerts);
        QCOMPARE(session_->statusAlerts(), shownAlerts);
        QCOMPARE(session_->statusDuty(), QString());
        other->execute("ROLLBACK");
        QCOMPARE(session_->statusDuty(), u"A 08:00–20:00, B 20:30–08:00"_s);
    }

    // The participants' commands start their dialogs at the current day; the sector's name
    // becomes the default for the next rosters only when asked.
    void rosterCommands()
    {
        session_->setCurrentDay(Third);
        ui_->participantsToAdd = {NewParticipant{"C", QDate(2011, 7, 1)}};
        session_->addParticipant();
        QCOMPARE(ui_->participantStarts.first().day, Third);
        QCOMPARE(document().roster().participants(), (QStringList{"B", "A", "C"}));
        ui_->removals = {Removal{u"A"_s, {}, LeftDuties::Kept}};
        session_->removeParticipant();
        QVERIFY(session_->alertTexts(First).contains(
            u"A ne figure pas dans la liste des participants"_s));

        ui_->sectorNames = {SectorName{"Haute Vallée", false}, SectorName{"Ubaye", true}};
        session_->nameSector();
        QCOMPARE(document().roster().sector(), u"Haute Vallée"_s);
        QCOMPARE(Settings().defaultSector(), u"Secteur"_s);
        session_->nameSector();
        QCOMPARE(Settings().defaultSector(), u"Ubaye"_s);
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

    // Closing a changed roster asks first; "Oui" saves it to its file.
    void closingSavesWhenAsked()
    {
        QVERIFY(document().assignDay(Third, "B"));
        ui_->answers = {AnswerYes};
        QVERIFY(session_->mayClose());
        QCOMPARE(ui_->texts(), QStringList{u"Les données de Mars ont changées.\r\nVoulez-vous "
                                           "les sauvegarder ?"_s});
        QCOMPARE(Rows(path_), working());
    }

    // A correction is one edit, undone and redone exactly.
    void applyingACorrection()
    {
        QVERIFY(document().assignDay(Third, "A"));
        const QStringList before = working();
        const RepairRequest request = *session_->repairRequest(First, QDate(2011, 3, 31), 100);
        const RepairProposal proposal = ProposeRepair(request, *MakeMipSolver(), {});
        QVERIFY(!proposal.after.isEmpty() &&
                proposal.alertsAfter.size() < proposal.alertsBefore.size());
        QVERIFY(session_->applyRepair(request, proposal));
        QCOMPARE(document().undoStack().undoText(),
                 u"Corriger les alertes (%1 jours modifiés)"_s.arg(proposal.after.size()));
        QCOMPARE(session_->alerts().all(), proposal.alertsAfter);
        const QStringList after = working();
        QVERIFY(document().undo());
        QCOMPARE(working(), before);
        QVERIFY(document().redo());
        QCOMPARE(working(), after);
        QCOMPARE(session_->repairStart(), QDate(2011, 1, 1));
        session_->setCurrentDay(First);
        session_->keepCurrentDay(true);
        QVERIFY(session_->isCurrentDayKept() &&
                session_->repairRequest(First, First, 2)->kept.contains(First));
    }

    // A correction worked out from a roster that has changed since, anywhere it looks, is
    // refused and changes nothing.
    void anOutdatedCorrectionIsRefused_data()
    {
        QTest::addColumn<std::function<bool(RosterDocument&, QDate)>>("change");
        using Change = std::function<bool(RosterDocument&, QDate)>;
        QTest::newRow("a day it changes") << Change(
            [](RosterDocument& doc, QDate changed) { return doc.assignDay(changed, "B"); });
        QTest::newRow("a day next to it") << Change(
            [](RosterDocument& doc, QDate) { return doc.assignDay(QDate(2011, 3, 31), "B"); });
        QTest::newRow("an absence") << Change([](RosterDocument& doc, QDate) {
            return doc.addAbsence({"B", QDate(2011, 3, 20), QDate(2011, 3, 21), {}});
        });
        QTest::newRow("a rule") << Change([](RosterDocument& doc, QDate) {
            RosterRules rules = doc.roster().rules();
            rules.twoDaysRunning = !rules.twoDaysRunning;
            return doc.setRules(rules);
        });
        QTest::newRow("a day kept")
            << Change([](RosterDocument& doc, QDate) { return doc.setDayKept(Third, true); });
    }

    void anOutdatedCorrectionIsRefused()
    {
        QFETCH(std::function<bool(RosterDocument&, QDate)>, change);
        QVERIFY(document().assignDay(Third, "A"));
        const RepairRequest request = *session_->repairRequest(First, QDate(2011, 3, 30), 100);
        const RepairProposal proposal = ProposeRepair(request, *MakeMipSolver(), {});
        QVERIFY(!proposal.after.isEmpty());
        QVERIFY(change(document(), proposal.after.constFirst().day));
        const QStringList changed = working();

        QVERIFY(!session_->applyRepair(request, proposal));

        QCOMPARE(ui_->texts(), QStringList{u"Le tour de garde a changé depuis le calcul de la "
                                           "correction.\r\nCalculez-la de nouveau."_s});
        QCOMPARE(working(), changed);
    }

    // Another copy of the year, as this roster was saved, then edited here: every difference is
    // listed from that copy's side to this one's.
    void differencesWithAnotherCopy()
    {
        const QString other = env_->tempPath() + "/Copie.dat";
        QVERIFY(QFile::copy(path_, other));
        QVERIFY(document().assignDay(Third, "B"));
        QVERIFY(document().shareDay(Second, {{"B", 0, 10}, {"A", 10, 24}}));
        QVERIFY(document().renameParticipant("A", "Dr A"));
        const Absence away{"B", QDate(2011, 5, 2), QDate(2011, 5, 6), {}};
        QVERIFY(document().addAbsence(away));
        QVERIFY(document().setSector("Ubaye"));
        RosterRules rules = document().roster().rules();
        rules.weekendsAllowed = 1;
        QVERIFY(document().setRules(rules));
        const QString before = working().join('\n');
        ui_->filesToOpen = {other};

        const std::optional<OtherRoster> copy = session_->chooseRosterToCompare();
        QVERIFY(copy && copy->name == u"Copie"_s);
        const RosterDifferences found = *session_->differencesWith(*copy);

        QCOMPARE(found.days,
                 (QList<DayDifference>{{First, {"A", {}}, {"Dr A", {}}},
                                       {Second,
                                        {SharedDutyMarker, {{"B", 0, 12}, {"A", 12, 24}}},
                                        {SharedDutyMarker, {{"B", 0, 10}, {"Dr A", 10, 24}}}},
                                       {Third, {"", {}}, {"B", {}}}}));
        QCOMPARE(DutyText(found.days.at(1).mine), u"B 08:00–18:00, Dr A 18:00–08:00"_s);
        QCOMPARE(DutyText(found.days.at(2).theirs), u"(personne)"_s);
        QCOMPARE(found.participantsAdded, QStringList{"Dr A"});
        QCOMPARE(found.participantsRemoved, QStringList{"A"});
        const Absence former{"A", QDate(2011, 8, 1), QDate(2011, 8, 10), "Congés"};
        QCOMPARE(found.absencesAdded,
                 (QList<Absence>{away, {"Dr A", former.first, former.last, former.reason}}));
        QCOMPARE(found.absencesRemoved, QList<Absence>{former});
        QCOMPARE(AbsenceText(former), u"A du 1er août au 10 août (Congés)"_s);
        QCOMPARE(found.sectorAndRules,
                 (QStringList{u"Secteur : « Secteur » → « Ubaye »"_s,
                              u"Règle : de garde plus de 2 week-ends sur 3 consécutifs (signalé) → "
                              "de garde plus de 1 week-ends sur 3 consécutifs (signalé)"_s}));
        QCOMPARE(working().join('\n'), before);
    }

    // Days taken from another copy are one edit, undone whole; a copy of another year is
    // refused.
    void takingDaysFromAnotherCopy()
    {
        const QString other = env_->tempPath() + "/Copie.dat";
        QVERIFY(QFile::copy(path_, other));
        const QByteArray otherBytes = ReadFile(other);
        QVERIFY(document().assignDay(First, "B"));
        QVERIFY(document().assignDay(Second, "B"));
        QVERIFY(document().assignDay(Third, "A"));
        const QStringList edited = working();
        ui_->filesToOpen = {other};
        const std::optional<OtherRoster> copy = session_->chooseRosterToCompare();
        QVERIFY(copy);
        // Its working copy is never offered back after a crash.
        QVERIFY(!copy->roster->database().workFile()->record().value().unsaved);

        QVERIFY(session_->takeDays(*copy, {First, Second}));

        QCOMPARE(document().undoStack().undoText(), u"Reprendre 2 jours de Copie"_s);
        QCOMPARE(session_->differencesWith(*copy)->days,
                 (QList<DayDifference>{{Third, {"", {}}, {"A", {}}}}));
        QVERIFY(session_->takeDays(*copy, {Third}));
        QCOMPARE(document().undoStack().undoText(), u"Reprendre le 3 mars de Copie"_s);
        QVERIFY(session_->differencesWith(*copy)->days.isEmpty());
        QVERIFY(document().undo() && document().undo());
        QCOMPARE(working(), edited);
        QCOMPARE(ReadFile(other), otherBytes);

        ui_->filesToOpen = {CreateBlankRoster(2012)};
        QVERIFY(!session_->chooseRosterToCompare());
        QCOMPARE(ui_->texts(), QStringList{u"Ce tour de garde est celui de l'année 2012.\r\n"
                                           "Choisissez un tour de garde de 2011."_s});
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

    void askingForTheYear_data()
    {
        QTest::addColumn<int>("given"); // 0: asked
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("year"); // 0: no roster
        QTest::addColumn<QStringList>("shown");

        const QStringList once{YearPrompt};
        const QStringList twice{YearPrompt, YearPrompt};
        const QStringList outOfRange{YearPrompt, RangeMessage, YearPrompt};
        QTest::newRow("blanks around") << 0 << QStringList{" 2011 "} << 2011 << once;
        QTest::newRow("letters, then a year") << 0 << QStringList{"mil", "2011"} << 2011 << twice;
        QTest::newRow("no answer") << 0 << QStringList{""} << 0 << once;
        QTest::newRow("half rounds to even, down") << 0 << QStringList{"2012,5"} << 2012 << once;
        QTest::newRow("half rounds to even, up") << 0 << QStringList{"2013.5"} << 2014 << once;
        QTest::newRow("two digits, 2000s") << 0 << QStringList{"12"} << 2012 << once;
        QTest::newRow("two digits, 1900s") << 0 << QStringList{"45"} << 1945 << once;
        QTest::newRow("last year there is") << 0 << QStringList{"9999"} << 9999 << once;
        QTest::newRow("1899, then 1900") << 0 << QStringList{"1899", "1900"} << 1900 << outOfRange;
        QTest::newRow("10000, then cancel") << 0 << QStringList{"10000"} << 0 << outOfRange;
        QTest::newRow("huge, then cancel") << 0 << QStringList{"1e300"} << 0 << outOfRange;
        QTest::newRow("given in two digits") << 13 << QStringList{} << 2013 << QStringList{};
        QTest::newRow("given out of range")
            << 12000 << QStringList{} << 0 << QStringList{RangeMessage};
    }

    void askingForTheYear()
    {
        QFETCH(int, given);
        QFETCH(QStringList, answers);
        QFETCH(int, year);
        QFETCH(QStringList, shown);
        session_.reset();
        ScriptedInteraction ui;
        ui.promptAnswers = answers;
        int asked = given;

        std::unique_ptr<RosterDatabase> db = NewBlankRoster(asked, ui);

        QCOMPARE(ui.texts(), shown);
        for (const ScriptedInteraction::Shown& item : ui.shown) {
            if (item.text == RangeMessage)
                QCOMPARE(item.icon, MessageIcon::Warning);
        }
        QCOMPARE(env_->workFiles().size(), year ? 1 : 0);
        if (!year)
            return;
        QCOMPARE(asked, year);
        // Every day of the year, in order, unassigned with its type.
        const std::unique_ptr<Roster> roster = Roster::load(std::move(db));
        for (qsizetype i = 0; i < roster->days().size(); ++i) {
            const RosterDay& day = roster->days().at(i);
            QCOMPARE(day.date, QDate(year, 1, 1).addDays(i));
            QCOMPARE(day.type, DayTypeOf(day.date));
            QVERIFY(day.doctor.isEmpty() && !day.unavailable);
        }
        QCOMPARE(roster->days().last().date, QDate(year, 12, 31));
        QVERIFY(roster->participants().isEmpty());
    }

    void noWorkingFileIsReportedAndNothingOpens()
    {
        // A working folder that is a plain file: no working file can be made in it.
        session_.reset();
        const QString folder = WorkFolder();
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(WriteFile(folder, "pas un dossier"));
        ScriptedInteraction ui;
        int year = 2011;

        QVERIFY(!NewBlankRoster(year, ui));

        QCOMPARE(ui.texts(),
                 QStringList{"Une erreur s'est produite pendant la création du tour de garde."});
        QCOMPARE(ui.shown.first().icon, MessageIcon::Critical);
        QCOMPARE(ReadFile(folder), "pas un dossier");
    }
};

QTEST_GUILESS_MAIN(TestRosterSession)
#include "tst_rostersession.moc"
