#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/RosterDocument.h"
#include "store/BlankRoster.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"
#include "store/RosterJournal.h"
#include "store/RotationProperty.h"
#include "store/Statement.h"
#include "store/WorkFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate First(2011, 3, 1);  // A
const QDate Second(2011, 3, 2); // shared by B (08:00-20:00) then A
const QDate Third(2011, 3, 3);  // nobody
const QDate FirstSaturday(2011, 3, 5);
const QDate Fourth(2011, 3, 4);

const QString ControlMessage = u"Le texte saisi ne peut contenir ni tabulation, ni retour à la "
                               "ligne, ni aucun autre caractère de contrôle."_s;

using Edit = std::function<bool(RosterDocument&, ScriptedInteraction&)>;

} // namespace

class TestRosterDocument : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<RosterDocument> document_;
    QString path_;

    // Read through the document's own connection, which is quicker than opening the file.
    QStringList working() const { return Rows(document_->roster().database()); }
    WorkRecord record() const
    {
        return document_->roster().database().workFile()->record().value();
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = std::make_unique<ScriptedInteraction>();
        path_ = env_->tempPath() + "/Mars.dat";
        QVERIFY(QFile::rename(CreateMarchRoster(), path_));
        int untitled = 0;
        document_ = std::make_unique<RosterDocument>(*ui_);
        QVERIFY(document_->openFile(MakeWorkingCopy(path_), path_, untitled));
    }

    void cleanup()
    {
        document_.reset();
        env_.reset();
    }

    // Every edit: done, undone and redone, with the file's rows, the modified flag, the crash
    // record and the history's text at each step.
    void undoAndRedo_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("text");
        QTest::newRow("assign") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.assignDay(Third, "B");
        }) << u"Mettre de garde B le 3 mars"_s;
        QTest::newRow("clear a shared day")
            << Edit([](RosterDocument& d, ScriptedInteraction&) { return d.assignDay(Second, {}); })
            << u"Mettre à blanc le 2 mars"_s;
        QTest::newRow("share") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.shareDay(First, {{"A", 0, 6}, {"B", 6, 24}});
        }) << u"Partager la garde du 1er mars"_s;
        QTest::newRow("keep a day") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.setDayKept(Third, true);
        }) << u"Garder le 3 mars tel quel"_s;
        QTest::newRow("properties") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.setDayProperties(FirstSaturday, DayType::Weekday, true);
        }) << u"Modifier les propriétés du 5 mars"_s;
        QTest::newRow("copy a shared day") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.copyDay(Second, Third);
        }) << u"Copier la garde du 2 mars sur le 3 mars"_s;
        QTest::newRow("add participant") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.addParticipant("Dr Martin & fils");
        }) << u"Ajouter le participant Dr Martin & fils"_s;
        QTest::newRow("sector") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.setSector("Ubaye");
        }) << u"Nommer le secteur Ubaye"_s;
        QTest::newRow("clear unavailable days")
            << Edit(
                   [](RosterDocument& d, ScriptedInteraction&) { return d.clearUnavailableDays(); })
            << u"Vider la liste de mes jours indisponibles"_s;
        QTest::newRow("absence, merged with one it overlaps")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   return d.addAbsence({"A", QDate(2011, 8, 8), QDate(2011, 8, 15), {}});
               })
            << u"Ajouter l'absence de A du 8 août au 15 août"_s;
        QTest::newRow("absence changed") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.changeAbsence(0, {"B", QDate(2011, 7, 1), QDate(2011, 7, 1), "Formation"});
        }) << u"Modifier l'absence de B le 1er juillet"_s;
        QTest::newRow("absence removed")
            << Edit([](RosterDocument& d, ScriptedInteraction&) { return d.removeAbsence(0); })
            << u"Supprimer l'absence de A du 1er août au 10 août"_s;
        QTest::newRow("unavailable days of a copy")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   return d.importUnavailableDays(d.filePath(), "B");
               })
            << u"Importer les jours indisponibles de B"_s;
        QTest::newRow("rules") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            RosterRules rules;
            rules.weekendsWindow = 4;
            rules.dayWithoutDuty = true;
            return d.setRules(rules) && Roster::load(d.workPath())->rules() == rules;
        }) << u"Modifier les règles du tour de garde"_s;
        QTest::newRow("administrative data") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.setAdministrativeData(1, {"A", "Dr Anne Arnaud", "", "", "", "Barcelonnette"});
        }) << u"Modifier les données administratives de A"_s;
        QTest::newRow("rename") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.renameParticipant("A", "Dr Alain");
        }) << u"Renommer le participant A en Dr Alain"_s;
        QTest::newRow("remove the first") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.removeParticipant({"B", {}, LeftDuties::Blanked});
        }) << u"Retirer le participant B"_s;
        QTest::newRow("leave from a day, days given")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   return d.removeParticipant({"B", Second, LeftDuties::Given, "A"});
               })
            << u"Retirer le participant B à partir du 2 mars"_s;
        QTest::newRow("arrive during the year")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   return d.addParticipant("C", QDate(2011, 7, 1));
               })
            << u"Ajouter le participant C à partir du 1er juillet"_s;
        QTest::newRow("replace") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.replaceParticipant({"A", "B", First, Second});
        }) << u"Remplacer A par B du 1er mars au 2 mars"_s;
    }

    // A participant renamed or removed leaves no row with his name, or his name on his days
    // when asked to; a shared day loses only his intervals. Counts of rows holding each name.
    void participantChanges_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("holding");
        QTest::newRow("renamed") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.renameParticipant("A", "Dr Alain");
        }) << QStringList{"A", "Dr Alain"}
                                 << QList<int>{0, 4};
        for (const LeftDuties left : {LeftDuties::Blanked, LeftDuties::Kept})
            QTest::addRow("B removed, his days %s", left == LeftDuties::Kept ? "kept" : "blanked")
                << Edit([left](RosterDocument& d, ScriptedInteraction&) {
                       return d.removeParticipant({"B", {}, left});
                   })
                << QStringList{"B", "A", SharedDutyMarker}
                << QList<int>{left == LeftDuties::Blanked ? 0 : 1, 4, 1};
        QTest::newRow("A removed, his days blanked")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   return d.removeParticipant({"A", {}, LeftDuties::Blanked});
               })
            << QStringList{"A", "B", SharedDutyMarker} << QList<int>{0, 2, 1};
        QTest::newRow("A removed from his arrival, his days given")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   return d.removeParticipant({"A", QDate(2011, 1, 1), LeftDuties::Given, "B"});
               })
            << QStringList{"A", "B", SharedDutyMarker} << QList<int>{0, 4, 1};
    }

    void participantChanges()
    {
        QFETCH(Edit, edit);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, holding);
        QVERIFY(edit(*document_, *ui_));
        const QStringList rows = working();
        QList<int> counts;
        for (const QString& name : names)
            counts.append(int(std::count_if(rows.cbegin(), rows.cend(), [&](const QString& row) {
                return row.split('|').contains(name);
            })));
        QCOMPARE(counts, holding);
        QCOMPARE(document_->roster().participants().contains(names.first()), false);
    }

    // A leaving from 2 March: his 1 March stays his; his days from then on, a shared day held
    // by him alone among them, are kept, blanked or given to B, and back on undo.
    void leavingFromADay_data()
    {
        QTest::addColumn<LeftDuties>("left");
        QTest::addColumn<QStringList>("duties"); // 1, 2 and 3 March
        const QString shared = u"B 08:00–20:00, A 20:00–08:00"_s;
        QTest::newRow("kept") << LeftDuties::Kept
                              << QStringList{"A", shared, u"A 08:00–20:00, A 20:00–08:00"_s};
        QTest::newRow("blanked") << LeftDuties::Blanked
                                 << QStringList{"A", u"B 08:00–20:00"_s, QString()};
        QTest::newRow("given") << LeftDuties::Given
                               << QStringList{"A", u"B 08:00–20:00, B 20:00–08:00"_s,
                                              u"B 08:00–20:00, B 20:00–08:00"_s};
    }

    void leavingFromADay()
    {
        QFETCH(LeftDuties, left);
        QFETCH(QStringList, duties);
        QVERIFY(document_->shareDay(Third, {{"A", 0, 12}, {"A", 12, 24}}));
        const auto held = [](const Roster& roster) {
            QStringList texts;
            for (const QDate& day : {First, Second, Third}) {
                const DayDuty duty = roster.duty(day);
                texts.append(duty.intervals.isEmpty() ? duty.doctor
                                                      : IntervalsText(duty.intervals));
            }
            return texts;
        };
        const QStringList before = held(document_->roster());

        QVERIFY(document_->removeParticipant({"A", Second, left, "B"}));
        QCOMPARE(held(document_->roster()), duties);
        const std::unique_ptr<Roster> saved = Roster::load(document_->workPath());
        QCOMPARE(held(*saved), duties);
        QCOMPARE(saved->participants(), (QStringList{"B", "A"}));
        QCOMPARE(saved->participantRows().at(1).presence, (Presence{{}, Second}));
        QCOMPARE(saved->absences().size(), 1);

        document_->undoStack().undo();
        QCOMPARE(held(document_->roster()), before);
        QVERIFY(
            Roster::load(document_->workPath())->participantRows().at(1).presence.isWholeYear());
    }

    // A shared day copied onto another shared day brings its own intervals; an absence changed
    // leaves no trace of its former period.
    void copiesAndChangesReplaceWhatWasThere()
    {
        QVERIFY(document_->shareDay(Third, {{"A", 0, 4}, {"B", 4, 24}}));
        QVERIFY(document_->copyDay(Second, Third));
        QCOMPARE(document_->roster().duty(Third), document_->roster().duty(Second));
        const Absence moved{"A", QDate(2011, 9, 5), QDate(2011, 9, 6), "Congés"};
        QVERIFY(document_->changeAbsence(0, moved));
        QCOMPARE(Roster::load(document_->workPath())->absences(), QList<Absence>{moved});
    }

    // Two days, or the days of two duties day for day, exchange their duties whole, intervals
    // included, and get them back on undo.
    void swaps_data()
    {
        QTest::addColumn<QList<QDate>>("days");
        QTest::addColumn<QList<QDate>>("others");
        QTest::newRow("two whole days") << QList{First} << QList{Fourth};
        QTest::newRow("a whole day and a shared day") << QList{Fourth} << QList{Second};
        QTest::newRow("two shared days") << QList{Second} << QList{Third};
        QTest::newRow("two days against two") << QList{First, Second} << QList{Third, Fourth};
    }

    void swaps()
    {
        QFETCH(QList<QDate>, days);
        QFETCH(QList<QDate>, others);
        const Roster& roster = document_->roster();
        QVERIFY(document_->assignDay(Fourth, "B"));
        QVERIFY(document_->shareDay(Third, {{"A", 0, 10}, {"B", 10, 24}}));
        const auto duties = [&roster](const QList<QDate>& dates) {
            QList<DayDuty> held;
            for (const QDate& day : dates)
                held.append(roster.duty(day));
            return held;
        };
        const QList<DayDuty> before[] = {duties(days), duties(others)};
        QVERIFY(document_->swapDuties(days, others));
        QCOMPARE(duties(days), before[1]);
        QCOMPARE(duties(others), before[0]);
        QCOMPARE(Roster::load(document_->workPath())->duty(days.first()), before[1].first());
        if (days.size() == 2)
            QCOMPARE(document_->undoStack().undoText(),
                     u"Échanger les gardes du 1er mars au 2 mars et du 3 mars au 4 mars"_s);
        document_->undoStack().undo();
        QCOMPARE(duties(days), before[0]);
        QCOMPARE(duties(others), before[1]);
    }

    void undoAndRedo()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, text);
        const QStringList before = working();
        QSignalSpy modified(document_.get(), &RosterDocument::modifiedChanged);

        QVERIFY(edit(*document_, *ui_));
        const QStringList after = working();
        QVERIFY(after != before);
        QVERIFY(document_->isModified() && record().unsaved);
        QCOMPARE(document_->undoStack().undoText(), text);

        document_->undoStack().undo();
        QCOMPARE(working(), before);
        QVERIFY(!document_->isModified() && !record().unsaved);
        QCOMPARE(document_->undoStack().redoText(), text);

        document_->undoStack().redo();
        QCOMPARE(working(), after);
        QVERIFY(document_->isModified() && record().unsaved);
        QCOMPARE(modified.size(), 3);
        // Every step is committed to the file.
        QCOMPARE(Rows(document_->workPath()), after);
    }

    // Undoing back to what was saved makes the roster unmodified, and only there.
    void theSavedPointIsUnmodified()
    {
        QUndoStack& history = document_->undoStack();
        document_->assignDay(Third, "B");
        QCOMPARE(document_->save(), RosterDocument::SaveOutcome::Saved);
        const QStringList saved = Rows(path_);
        document_->assignDay(Third, "A");
        QVERIFY(document_->isModified());
        history.undo();
        QVERIFY(!document_->isModified());
        QCOMPARE(working(), saved);
        history.undo();
        QVERIFY(document_->isModified() && record().unsaved);
        QCOMPARE(document_->roster().day(Third)->doctor, QString());
        history.redo();
        QVERIFY(!document_->isModified() && !record().unsaved);
    }

    // A roster never saved stays modified whatever is undone.
    void aNewRosterStaysModified()
    {
        int untitled = 4;
        RosterDocument blank(*ui_);
        QVERIFY(blank.openNew(MakeBlankRoster(2012), untitled));
        QCOMPARE(blank.caption(), u"Tour 5"_s);
        QVERIFY(blank.isModified());
        blank.addParticipant("B");
        blank.undoStack().undo();
        QVERIFY(blank.isModified() && blank.roster().participants().isEmpty());
    }

    void refusedEdits_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("message"); // empty: refused silently
        QTest::newRow("same name")
            << Edit([](RosterDocument& d, ScriptedInteraction&) { return d.addParticipant("A"); })
            << u"La liste contient déjà ce nom.\r\nDonnez un nom distinct à chaque participant."_s;
        for (const QString& blanks : {u"   "_s, u"\t"_s})
            QTest::addRow("blanks only, %d long", int(blanks.size()))
                << Edit([blanks](RosterDocument& d, ScriptedInteraction&) {
                       return d.addParticipant(blanks);
                   })
                << u"Un nom de participant ne peut pas être vide ni fait uniquement d'espaces."_s;
        QTest::newRow("reserved word") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.addParticipant("<Vide>");
        }) << u"Le mot <Vide> est réservé pour l'application."_s;
        QTest::newRow("renamed as another") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.renameParticipant("A", "B");
        }) << u"La liste contient déjà ce nom.\r\nDonnez un nom distinct à chaque participant."_s;
        QTest::newRow("renamed as a reserved word")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   return d.renameParticipant("B", "<Partagé>");
               })
            << u"Le mot <Partagé> est réservé pour l'application."_s;
        QTest::newRow("days given to himself") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.removeParticipant({"A", Second, LeftDuties::Given, "A"});
        }) << u"Choisissez dans la liste des participants celui qui reprend les gardes de A."_s;
        QTest::newRow("replaced where he holds nothing")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   return d.replaceParticipant({"A", "B", QDate(2011, 4, 1), QDate(2011, 4, 30)});
               })
            << u"A n'est de garde aucun jour du 1er avril au 30 avril."_s;
        QTest::newRow("replaced until before the first day")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   return d.replaceParticipant({"A", "B", Second, First});
               })
            << u"Le remplacement va d'un jour (Du) à un jour qui ne le précède pas (Au), tous "
               "deux dans l'année 2011 du tour de garde.\r\nVeuillez revoir ces dates."_s;
        QTest::newRow("51 characters")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   return d.addParticipant(QString(49, u'é') + u"🩺🩺"_s);
               })
            << u"Le nom \"%1\" est trop long : un nom compte au plus 50 caractères."_s.arg(
                   QString(49, u'é') + u"🩺🩺"_s);
        for (const char16_t control : {u'\t', u'\n', u'\0', u'\x7f'})
            QTest::addRow("name with control %d", int(control))
                << Edit([control](RosterDocument& d, ScriptedInteraction&) {
                       return d.addParticipant(u"Dr "_s + QChar(control) + u"Martin"_s);
                   })
                << ControlMessage;
        QTest::newRow("sector with a line break")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   return d.setSector("Haute\nUbaye");
               })
            << ControlMessage;
        for (int field = 0; field < 5; ++field)
            QTest::addRow("administrative field %d with a tab", field)
                << Edit([field](RosterDocument& d, ScriptedInteraction&) {
                       QString typed[5];
                       typed[field] = "1\t2";
                       return d.setAdministrativeData(
                           0, {"B", typed[0], typed[1], typed[2], typed[3], typed[4]});
                   })
                << ControlMessage;
        QTest::newRow("overlapping intervals") << Edit([](RosterDocument& d, ScriptedInteraction&) {
            return d.shareDay(First, {{"A", 0, 6}, {"B", 5.5, 12}});
        }) << u"Un ou plusieurs des intervalles se chevauchent.\r\nVeuillez revoir ces valeurs."_s;
        const auto absence = [](Absence away) {
            return Edit(
                [away](RosterDocument& d, ScriptedInteraction&) { return d.addAbsence(away); });
        };
        const QDate july(2011, 7, 14);
        QTest::newRow("absence of someone not in the list")
            << absence({"Z", july, july, {}})
            << u"Choisissez le participant absent dans la liste des participants."_s;
        QTest::newRow("absence without its days")
            << absence({"A", july, {}, {}})
            << u"Indiquez le premier et le dernier jour de l'absence."_s;
        QTest::newRow("absence ending before it starts")
            << absence({"A", july, july.addDays(-1), {}})
            << u"Le dernier jour de l'absence (Au) précède son premier jour (Du).\r\nVeuillez "
               "revoir ces dates."_s;
        QTest::newRow("absence into the next year")
            << absence({"A", QDate(2011, 12, 31), QDate(2012, 1, 1), {}})
            << u"Une absence doit être comprise dans l'année 2011 du tour de garde."_s;
        QTest::newRow("absence with a 51-character reason")
            << absence({"A", july, july, QString(51, u'é')})
            << u"Le motif est trop long : un motif compte au plus 50 caractères."_s;
        QTest::newRow("absence with a line break")
            << absence({"A", july, july, "Congés\n"}) << ControlMessage;
        // A copy of that year, or a file that is no roster for year 0.
        const auto import = [](int year) {
            return Edit([year](RosterDocument& d, ScriptedInteraction&) {
                return d.importUnavailableDays(year ? CreateBlankRoster(year) : d.workPath() + "~",
                                               "B");
            });
        };
        QTest::newRow("copy of another year")
            << import(2012)
            << u"Ce tour de garde est celui de l'année 2012.\r\nChoisissez une copie du tour "
               "de garde 2011."_s;
        QTest::newRow("copy without unavailable days")
            << import(2011) << u"Aucun jour n'est marqué indisponible dans cette copie."_s;
        QTest::newRow("copy that is no roster") << import(0) << NotARosterMessage;
        QTest::newRow("copy made by a newer version")
            << Edit([](RosterDocument& d, ScriptedInteraction&) {
                   const QString copy = CreateBlankRoster(2011);
                   RosterDatabase::open(copy)->setProperty("VersionID", "4.10.0");
                   return d.importUnavailableDays(copy, "B");
               })
            << NewerVersionMessage;
        QTest::newRow("empty sector")
            << Edit([](RosterDocument& d, ScriptedInteraction&) { return d.setSector({}); })
            << QString();
    }

    void refusedEdits()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, message);
        const QStringList before = working();
        QVERIFY(!edit(*document_, *ui_));
        QCOMPARE(ui_->texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(working(), before);
        QVERIFY(!document_->isModified() && !document_->undoStack().canUndo());
    }

    // Names are kept and compared exactly, blanks included; a name counts its characters as
    // the file does.
    void addingParticipants()
    {
        QVERIFY(document_->addParticipant(" a "));
        QVERIFY(document_->addParticipant(u"🩺"_s.repeated(26)));
        QCOMPARE(document_->roster().participants(),
                 (QStringList{"B", "A", " a ", u"🩺"_s.repeated(26)}));
        QVERIFY(working().contains(" a |||1"));
    }

    // A roster written by an earlier version opens, the file itself untouched: its working
    // copy gains what this version adds (absences, arrivals and departures, a journal started
    // empty); saved, the file holds them and this version's number.
    void aRosterOfAnEarlierVersion_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::newRow("4.2.0, without absences") << EarlierTables(RosterSchema::Version::Before430);
        QTest::newRow("4.3.0, everyone there all year")
            << EarlierTables(RosterSchema::Version::Before440);
        QTest::newRow("4.4.0, without a journal") << QStringList{"DROP TABLE [Journal]"};
    }

    void aRosterOfAnEarlierVersion()
    {
        QFETCH(QStringList, statements);
        std::unique_ptr<RosterDatabase> db = RosterDatabase::open(path_);
        db->execute("DELETE FROM [Absences]");
        for (const QString& statement : statements)
            db->execute(statement.toUtf8().constData());
        db.reset();
        const QByteArray bytes = ReadFile(path_);
        int untitled = 0;
        RosterDocument earlier(*ui_);
        QVERIFY(earlier.openFile(MakeWorkingCopy(path_), path_, untitled));
        QCOMPARE(ReadFile(path_), bytes);
        QVERIFY(earlier.roster().absences().isEmpty() && !earlier.isModified());
        QCOMPARE(earlier.roster().participants(), (QStringList{"B", "A"}));

        const Absence away{"B", QDate(2011, 3, 7), QDate(2011, 3, 8), "Congés"};
        QVERIFY(earlier.addAbsence(away));
        QVERIFY(earlier.removeParticipant({"A", Third, LeftDuties::Kept}));
        QCOMPARE(earlier.save(), RosterDocument::SaveOutcome::Saved);

        const std::unique_ptr<Roster> saved = Roster::load(path_);
        QCOMPARE(saved->absences(), QList<Absence>{away});
        QCOMPARE(saved->participantRows().at(1).presence.departure, Third);
        QCOMPARE(saved->database().property("VersionID"), u"4.5.0"_s);
        QCOMPARE(RosterJournal::Read(saved->database())->size(), 2);
    }

    // Rules another program wrote are read as this one writes them, or left at their defaults:
    // a run of weekends must allow fewer than it holds.
    void storedRules()
    {
        std::unique_ptr<RosterDatabase> db = RosterDatabase::open(path_);
        db->setProperty("RègleVeille", "0");
        db->setProperty("RègleJourVide", "True");
        db->setProperty("RègleNom", "peut-être");
        db->setProperty("RègleWeekEndsPermis", "3");
        db->setProperty("RègleWeekEndsConsécutifs", "3");
        db->setProperty("JoursGardés", "2011-03-03 mardi 2012-01-01 2011-02-30  2011-12-31");
        db.reset();
        RosterRules expected;
        expected.twoDaysRunning = false;
        expected.dayWithoutDuty = true;
        QCOMPARE(Roster::load(path_)->rules(), expected);
        QCOMPARE(Roster::load(path_)->keptDays(), (QSet<QDate>{Third, QDate(2011, 12, 31)}));
    }

    // The journal the roster file keeps: an entry per edit saved, with its instant and the
    // login name; an edit undone before any save leaves none, one undone after it was saved
    // is written as undone; what was saved is never changed.
    void theJournalOfChanges()
    {
        const auto journal = [](const RosterDatabase& db) {
            QStringList edits;
            const std::optional<QList<JournalEntry>> entries = RosterJournal::Read(db);
            for (const JournalEntry& entry : entries.value())
                edits.append(entry.edit);
            return edits;
        };
        const QDateTime began = QDateTime::currentDateTimeUtc().addSecs(-1);
        QVERIFY(document_->assignDay(Third, "B"));
        const QString assigned = document_->undoStack().undoText();
        QVERIFY(document_->assignDay(QDate(2011, 3, 9), "A"));
        QVERIFY(document_->undo());
        QVERIFY(document_->setSector("Ubaye"));
        const QString named = document_->undoStack().undoText();
        QCOMPARE(document_->save(), RosterDocument::SaveOutcome::Saved);
        const std::unique_ptr<Roster> saved = Roster::load(path_);
        QCOMPARE(journal(saved->database()), (QStringList{assigned, named}));
        const JournalEntry first = RosterJournal::Read(saved->database())->first();
        QCOMPARE(first.user, LoginName());
        QVERIFY(first.when >= began && first.when <= QDateTime::currentDateTimeUtc());

        QVERIFY(document_->undo());
        QVERIFY(document_->redo());
        QVERIFY(document_->undo());
        QVERIFY(document_->undo());
        QVERIFY(document_->redo());
        QCOMPARE(document_->save(), RosterDocument::SaveOutcome::Saved);
        QCOMPARE(journal(Roster::load(path_)->database()),
                 (QStringList{assigned, named, "Annuler : " + named}));
    }

    // The year as generated follows its participants' names, undone with them; what is not
    // one name per day is no rotation.
    void theRotationFollowsRenaming()
    {
        QStringList holders(365);
        holders[0] = "A";
        holders[1] = "B";
        RosterDatabase::open(path_)->setProperty("Rotation", RotationProperty::Text(holders));
        int untitled = 0;
        document_ = std::make_unique<RosterDocument>(*ui_);
        QVERIFY(document_->openFile(MakeWorkingCopy(path_), path_, untitled));
        QCOMPARE(document_->roster().rotation(), holders);

        QVERIFY(document_->renameParticipant("A", "Dr A"));
        QCOMPARE(document_->roster().rotation().mid(0, 3), (QStringList{"Dr A", "B", ""}));
        QCOMPARE(Roster::load(document_->workPath())->rotation().first(), u"Dr A"_s);
        QVERIFY(document_->undo());
        QCOMPARE(document_->roster().rotation(), holders);

        for (const QString& junk :
             {u"[\"A\"]"_s, u"{}"_s, RotationProperty::Text(holders).replace("\"B\"", "2")}) {
            RosterDatabase::open(path_)->setProperty("Rotation", junk);
            QVERIFY2(Roster::load(path_)->rotation().isEmpty(), qPrintable(junk));
        }
    }

    // A write that fails is told, changes nothing and leaves no step in the history; the
    // edits before it are kept. An undo or redo that cannot be written leaves the history and
    // the unsaved state as they were.
    void aFailedWriteChangesNothing()
    {
        document_->assignDay(Third, "B");
        document_->save();
        document_->assignDay(Fourth, "A");
        std::unique_ptr<RosterDatabase> other = RosterDatabase::open(document_->workPath());
        other->execute("BEGIN EXCLUSIVE");
        QVERIFY(!document_->assignDay(First, {}));
        QCOMPARE(ui_->shown.size(), 1);
        QCOMPARE(ui_->shown.first().text, u"Une erreur s'est produite pendant la modification du "
                                          "tour de garde. Le jour est resté tel qu'il était."_s);
        QCOMPARE(document_->undoStack().count(), 2);
        for (const bool back : {true, false}) {
            const bool modified = document_->isModified();
            QVERIFY(!(back ? document_->undo() : document_->redo()));
            QCOMPARE(document_->undoStack().index(), back ? 2 : 1);
            QCOMPARE(document_->isModified(), modified);
            QCOMPARE(record().unsaved, modified);
            if (back) {
                other->execute("ROLLBACK");
                QVERIFY(document_->undo());
                other->execute("BEGIN EXCLUSIVE");
            }
        }
        QCOMPARE(ui_->shown.size(), 3);
        other->execute("ROLLBACK");
        QCOMPARE(document_->roster().day(First)->doctor, u"A"_s);
        QCOMPARE(document_->roster().day(Third)->doctor, u"B"_s);
        QCOMPARE(document_->roster().day(Fourth)->doctor, QString());
        QVERIFY(!document_->isModified());
        QCOMPARE(working(), Rows(path_));
        QVERIFY(document_->redo());
        QCOMPARE(document_->roster().day(Fourth)->doctor, u"A"_s);
    }

    // A day the file lacks is left alone by every day edit.
    void aDayMissingFromTheFileIsLeftAlone()
    {
        const QString holed = CreateBlankRoster(2011);
        RosterDatabase::open(holed)->execute("DELETE FROM [Garde] WHERE [Jour] = '2011-03-10'");
        const QStringList before = Rows(holed);
        int untitled = 0;
        RosterDocument document(*ui_);
        QVERIFY(document.openFile(MakeWorkingCopy(holed), {}, untitled));
        const QDate missing(2011, 3, 10);
        QVERIFY(!document.assignDay(missing, "A"));
        QVERIFY(!document.shareDay(missing, {{"A", 0, 24}}));
        QVERIFY(!document.setDayProperties(missing, DayType::Saturday, true));
        QVERIFY(!document.copyDay(QDate(2011, 3, 11), missing));
        QVERIFY(ui_->shown.isEmpty());
        QCOMPARE(Rows(document.workPath()), before);
    }
};

QTEST_MAIN(TestRosterDocument)
#include "tst_rosterdocument.moc"
