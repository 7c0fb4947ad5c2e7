#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "roster_window/RosterGrid.h"
#include "roster_window/RosterWindow.h"
#include "roster_window/YearGrid.h"
#include "store/AppSettings.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"

#include <QFile>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate First(2011, 3, 1);  // A
const QDate Second(2011, 3, 2); // shared by B (08:00-20:00) then A
const QDate Third(2011, 3, 3);  // nobody

// A 2011 roster file with participants B and A and three days of March set.
QString MarchRoster(const QString& folder)
{
    const QString path = folder + "/Mars.dat";
    QFile::rename(CreateBlankRoster(2011), path);
    std::unique_ptr<RosterDatabase> db = RosterDatabase::open(path);
    for (
        const char* edit : {
            R"(INSERT INTO [Participants] ([Médecin]) VALUES ('B'), ('A'))",
            R"(UPDATE [Garde] SET [Médecin] = 'A' WHERE [Jour] = '2011-03-01')",
            R"(UPDATE [Garde] SET [Médecin] = '<Partagé>' WHERE [Jour] = '2011-03-02')",
            R"(INSERT INTO [Partagé] VALUES ('2011-03-02', 'B', 0, 12), ('2011-03-02', 'A', 12, 24))",
        })
        db->execute(edit);
    return path;
}

// Every row of Garde and Partagé, as text.
QStringList Rows(const RosterDatabase& db)
{
    QStringList rows;
    for (
        const char* sql : {
            R"(SELECT [Jour], [Médecin], [Type], [Indispo] FROM [Garde] ORDER BY [Jour])",
            R"(SELECT [Jour], [Médecin], [HDébut], [HFin] FROM [Partagé] ORDER BY [Jour], [HDébut])",
        }) {
        Statement row = db.prepare(sql);
        while (row.step())
            rows.append(QStringList{row.text(0), row.text(1), row.text(2), row.text(3)}.join('|'));
    }
    return rows;
}

int DutyColumn(QDate day)
{
    return 2 * (day.month() - 1) + 1;
}

} // namespace

class TestRosterEditing : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<RosterWindow> window_;
    QString path_;

    void select(QDate day) { window_->grid()->setCurrentGridCell(day.day(), DutyColumn(day)); }
    QString duty(QDate day) const { return window_->grid()->cellText(day.day(), DutyColumn(day)); }
    std::unique_ptr<Roster> working() const { return Roster::load(window_->workPath()); }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = std::make_unique<ScriptedInteraction>();
        path_ = MarchRoster(env_->tempPath());
        int untitled = 0;
        window_ = std::make_unique<RosterWindow>(*ui_);
        QVERIFY(window_->openFile(MakeWorkingCopy(path_), path_, untitled));
    }

    void cleanup()
    {
        window_.reset();
        env_.reset();
    }

    // The duty menu lists the participants in table order and follows the current day; a right
    // click on a month's name acts on its first day.
    void menusFollowTheCurrentDay()
    {
        QMenu* duty = window_->menus().first();
        QCOMPARE(duty->actions().first()->menu()->actions().first()->text(), u"B"_s);
        select(First);
        QVERIFY(duty->isEnabled());
        window_->showContextMenu(30, 2, {}); // 30 February
        QVERIFY(!window_->grid()->currentDay());
        QVERIFY(!duty->isEnabled() && !window_->contextMenu()->isVisible());
        window_->showContextMenu(0, 4, {});
        QCOMPARE(window_->grid()->currentDay(), First);
        QVERIFY(duty->isEnabled() && window_->contextMenu()->isVisible());
        window_->contextMenu()->hide();
    }

    void assigningOverASharedDayAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("no") << AnswerNo;
        QTest::newRow("yes") << AnswerYes;
    }

    void assigningOverASharedDayAsksFirst()
    {
        QFETCH(int, answer);
        const bool done = answer == AnswerYes;
        ui_->answers = {answer};
        select(Second);

        window_->assignCurrentDay("A");

        QCOMPARE(ui_->texts(),
                 QStringList{
                     "Cette garde est partagée.\r\nEtes-vous sûr de vouloir mettre de garde A ?"});
        const std::unique_ptr<Roster> roster = working();
        QCOMPARE(roster->day(Second)->doctor, done ? u"A"_s : u"<Partagé>"_s);
        QCOMPARE(roster->intervals(Second).size(), done ? 0 : 2);
        QCOMPARE(duty(Second), roster->day(Second)->doctor);
        QCOMPARE(window_->isModified(), done);
        QCOMPARE(window_->statusDuty(), done ? u"A"_s : u"B 08:00–20:00, A 20:00–08:00"_s);
    }

    void clearingAnEmptyDayAsksNothing()
    {
        select(Third);
        window_->clearCurrentDay();
        QVERIFY(ui_->shown.isEmpty());
        QVERIFY(window_->isModified());
    }

    void dragsThatDoNothing_data()
    {
        QTest::addColumn<QDate>("source");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("onto itself") << First << First.day() << DutyColumn(First);
        QTest::newRow("onto 30 February") << First << 30 << 3;
        QTest::newRow("same text") << Third << 4 << 5;
    }

    void dragsThatDoNothing()
    {
        QFETCH(QDate, source);
        QFETCH(int, row);
        QFETCH(int, column);
        window_->dropDay(source, row, column);
        QVERIFY(ui_->shown.isEmpty());
        QVERIFY(!window_->isModified());
    }

    void droppingCopiesTheDuty_data()
    {
        QTest::addColumn<QDate>("source");
        QTest::addColumn<QDate>("target");
        QTest::addColumn<QString>("question");
        QTest::newRow("name onto shared")
            << First << Second
            << "La garde du mercredi 2 mars est partagée.\r\nConfirmez votre intention de "
               "remplacer les données (celles-ci seront perdues).";
        QTest::newRow("shared onto empty") << Second << Third
                                           << "Confimez votre intention de copier les données "
                                              "actuelles de partage pour la garde du jeudi 3 mars.";
        QTest::newRow("empty onto assigned")
            << Third << First
            << "Confirmez votre intention de mettre la garde du mardi 1 mars à blanc.";
        QTest::newRow("name onto empty")
            << First << Third << "Confirmez votre intention de mettre A de garde le jeudi 3 mars.";
    }

    void droppingCopiesTheDuty()
    {
        QFETCH(QDate, source);
        QFETCH(QDate, target);
        QFETCH(QString, question);
        ui_->answers = {AnswerYes};

        window_->dropDay(source, target.day(), DutyColumn(target));

        QCOMPARE(ui_->questions.last().message, question);
        QCOMPARE(ui_->questions.last().title, u"Confirmation d'une opération de glisser-déposer"_s);
        const std::unique_ptr<Roster> roster = working();
        QCOMPARE(roster->day(target)->doctor, roster->day(source)->doctor);
        QCOMPARE(roster->intervals(target), roster->intervals(source));
        QCOMPARE(duty(target), roster->day(source)->doctor);
    }

    void sharingWritesTheIntervals()
    {
        select(First);
        const QList<SharedInterval> overlapping{{"A", 0, 6}, {"B", 5.5, 12}};
        const QList<SharedInterval> valid{{"A", 0, 6}, {"B", 6, 24}};
        ui_->shares = {overlapping, valid};

        window_->shareCurrentDay();

        QCOMPARE(ui_->shareRequests.first().info,
                 u"Cette garde est, pour le moment, affectée à A"_s);
        QCOMPARE(ui_->shareRequests.at(1).intervals, overlapping);
        QCOMPARE(
            ui_->texts(),
            QStringList{
                "Un ou plusieurs des intervalles se chevauchent.\r\nVeuillez revoir ces valeurs."});
        const std::unique_ptr<Roster> roster = working();
        QCOMPARE(roster->day(First)->doctor, u"<Partagé>"_s);
        QCOMPARE(roster->intervals(First), valid);
        QCOMPARE(window_->statusDuty(), u"A 08:00–14:00, B 14:00–08:00"_s);
        QCOMPARE(
            window_->grid()->item(First.day() - 1, YearGrid::LabelColumnOf(First) + 1)->toolTip(),
            window_->statusDuty());
    }

    void cancelledDialogsChangeNothing()
    {
        select(First);
        window_->shareCurrentDay();
        window_->editCurrentDayProperties();
        window_->nameSector();
        QVERIFY(!window_->isModified());
        QCOMPARE(working()->day(First)->doctor, u"A"_s);
    }

    void propertiesRecolourTheStandardMode()
    {
        const QDate saturday(2011, 3, 5);
        select(saturday);
        QVERIFY(window_->grid()->isHighlighted(saturday));
        ui_->dayProperties = {DayProperties{DayType::Weekday, true}};

        window_->editCurrentDayProperties();

        QVERIFY(!window_->grid()->isHighlighted(saturday));
        QCOMPARE(working()->day(saturday)->unavailable, true);
        window_->chooseViewMode(ViewMode::Unavailable);
        QVERIFY(window_->grid()->isHighlighted(saturday));
        ui_->answers = {AnswerYes};
        window_->clearUnavailableDays();
        QVERIFY(!window_->grid()->isHighlighted(saturday));
        QCOMPARE(working()->day(saturday)->unavailable, false);
    }

    void addingParticipants_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // empty: added
        QTest::newRow("differs in case") << u"a"_s << QString();
        QTest::newRow("same name")
            << u"A"_s
            << u"La liste contient déjà ce nom.\r\nDonnez un nom distinct à chaque participant."_s;
        QTest::newRow("reserved word")
            << u"<Vide>"_s << u"Le mot <Vide> est réservé pour l'application."_s;
        for (const char16_t control : {u'\t', u'\r', u'\n', u'\0', u'\a', u'\x7f'})
            QTest::addRow("control character %d", int(control))
                << u"Dr "_s + QChar(control) + u"Martin"_s
                << u"Le texte saisi ne peut contenir ni tabulation, ni retour à la ligne, ni aucun autre caractère de contrôle."_s;
        // Counted in characters, as the roster file counts them, not in UTF-16 units.
        QTest::newRow("26 emoji") << u"🩺"_s.repeated(26) << QString();
        const QString tooLong = QString(49, u'é') + u"🩺🩺"_s;
        QTest::newRow("51 characters")
            << tooLong
            << u"Le nom \"%1\" est trop long : un nom compte au plus 50 caractères."_s.arg(tooLong);
    }

    void addingParticipants()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        ui_->newParticipants = {name};

        window_->addParticipant();

        QCOMPARE(ui_->texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(window_->isModified(), message.isEmpty());
        std::unique_ptr<RosterDatabase> db = RosterDatabase::open(window_->workPath());
        Statement added =
            db->prepare(R"(SELECT [Semaine], [WE] FROM [Participants] WHERE [Médecin] = ?1)");
        added.bind(1, name);
        QCOMPARE(added.step() && added.boolean(0) && added.boolean(1), message.isEmpty());
        QCOMPARE(window_->menus().first()->actions().first()->menu()->actions().size(),
                 message.isEmpty() ? 3 : 2);
    }

    // The sector's name becomes the default for the next rosters only when asked.
    void namingTheSector()
    {
        ui_->sectorNames = {SectorName{"Haute Vallée", false}, SectorName{"Ubaye", true}};
        window_->nameSector();
        QCOMPARE(window_->sectorText(), u"Haute Vallée"_s);
        QCOMPARE(working()->sector(), u"Haute Vallée"_s);
        QCOMPARE(DefaultSectorName(), u"Secteur"_s);
        window_->nameSector();
        QCOMPARE(DefaultSectorName(), u"Ubaye"_s);
        ui_->sectorNames = {SectorName{"Haute\nUbaye", false}};
        window_->nameSector();
        QCOMPARE(
            ui_->texts(),
            QStringList{
                u"Le texte saisi ne peut contenir ni tabulation, ni retour à la ligne, ni aucun autre caractère de contrôle."_s});
        QCOMPARE(working()->sector(), u"Ubaye"_s);
    }

    void aFailedEditKeepsTheDayAndTheOtherEdits()
    {
        select(Third);
        window_->assignCurrentDay("B");
        // Another program holds the working file locked: the next write cannot be made.
        std::unique_ptr<RosterDatabase> other = RosterDatabase::open(window_->workPath());
        other->execute("BEGIN EXCLUSIVE");
        select(First);

        window_->clearCurrentDay();

        QCOMPARE(ui_->shown.size(), 1);
        QCOMPARE(ui_->shown.first().icon, MessageIcon::Critical);
        QCOMPARE(duty(First), u"A"_s);
        other->execute("ROLLBACK");
        QCOMPARE(working()->day(First)->doctor, u"A"_s);
        QCOMPARE(working()->day(Third)->doctor, u"B"_s);
    }

    void aDayMissingFromTheFileIsLeftAlone()
    {
        const QString holed = CreateBlankRoster(2011);
        RosterDatabase::open(holed)->execute(R"(DELETE FROM [Garde] WHERE [Jour] = '2011-03-10')");
        RosterDatabase::open(holed)->execute(
            R"(UPDATE [Garde] SET [Médecin] = 'B' WHERE [Jour] = '2011-03-11')");
        const QStringList before = Rows(*RosterDatabase::open(holed));
        ui_->dayProperties = {DayProperties{DayType::Saturday, true}};
        int untitled = 0;
        RosterWindow window(*ui_);
        QVERIFY(window.openFile(MakeWorkingCopy(holed), {}, untitled));
        window.grid()->setCurrentGridCell(10, 5);
        window.assignCurrentDay("A");
        window.clearCurrentDay();
        window.editCurrentDayProperties();
        window.dropDay(QDate(2011, 3, 11), 10, 5);
        QVERIFY(ui_->shown.isEmpty());
        QCOMPARE(Rows(Roster::load(window.workPath())->database()), before);
    }

    void savedSessionReopensAsEdited()
    {
        select(Third);
        window_->assignCurrentDay("B");
        ui_->answers = {AnswerYes};
        window_->dropDay(Second, First.day(), DutyColumn(First));
        ui_->shares = {QList<SharedInterval>{{"A", 14, 18}}};
        select(Third.addDays(1));
        window_->shareCurrentDay();
        const QStringList edited = Rows(working()->database());

        QVERIFY(window_->saveRoster(false));

        QCOMPARE(Rows(Roster::load(path_)->database()), edited);
    }
};

QTEST_MAIN(TestRosterEditing)
#include "tst_rosterediting.moc"
