#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/RosterDocument.h"
#include "roster_window/RosterGrid.h"
#include "roster_window/RosterWindow.h"
#include "shell/MainWindow.h"
#include "shell/ProgramIcon.h"
#include "store/Settings.h"
#include "store/BlankRoster.h"
#include "store/FilePaths.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString SavePrompt(const QString& caption)
{
    return QStringLiteral("Les données de %1 ont changées.\r\nVoulez-vous les sauvegarder ?")
        .arg(caption);
}

QStringList Texts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QStringList FileMenu(const QMainWindow& window)
{
    return Texts(window.menuBar()->actions().first()->menu()->actions());
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<MainWindow> main_;
    QString path_;

    RosterWindow* newBlank(const QString& year)
    {
        ui_->promptAnswers.append(year);
        main_->newBlankRoster();
        return main_->activeRosterWindow();
    }

    // Opens a roster file saved by the program, at path_.
    RosterWindow* openSaved()
    {
        QFile::rename(CreateBlankRoster(2011), path_);
        main_->openRoster(path_);
        return main_->activeRosterWindow();
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = std::make_unique<ScriptedInteraction>();
        main_ = std::make_unique<MainWindow>(ui_.get());
        main_->show();
        path_ = env_->tempPath() + "/Garde.dat";
    }

    void cleanup()
    {
        for (RosterWindow* window : main_->rosterWindows())
            window->approveClose();
        main_.reset();
        QVERIFY(env_->workFiles().isEmpty());
        env_.reset();
    }

    void aRosterBringsItsMenus()
    {
        newBlank("2012")->approveClose();
        QCOMPARE(Texts(main_->menuBar()->actions()),
                 (QStringList{"&Fichier", "F&enêtre", "É&dition", "&Garde", "&Affichage", "&Outils", "&?"}));
        main_->activeRosterWindow()->parentWidget()->close();
        QCOMPARE(Texts(main_->menuBar()->actions()), (QStringList{"&Fichier", "&?"}));
    }

    // A failed save changes nothing; the next one proposes the year in the documents.
    void savingANewRoster()
    {
        RosterWindow* roster = newBlank("2012");
        const QString target = env_->tempPath() + "/Garde 2012.dat";
        ui_->filesToSave = {env_->tempPath() + "/dossier disparu/Garde.dat", target};

        QVERIFY(!roster->document().save(false));
        QCOMPARE(ui_->texts().last(),
                 QStringLiteral("Une erreur s'est produite pendant la sauvegarde."));
        QCOMPARE(ui_->shown.last().icon, MessageIcon::Critical);
        QCOMPARE(roster->document().caption(), QStringLiteral("Tour 1"));
        QVERIFY(roster->document().filePath().isEmpty() && roster->document().isModified());
        QVERIFY(main_->recentFiles().paths().isEmpty());

        QVERIFY(roster->document().save(false));
        QCOMPARE(ui_->saveChoices.last().proposedPath, DocumentsFolder() + "/Garde 2012");
        QCOMPARE(roster->document().filePath(), target);
        QCOMPARE(roster->document().caption(), QStringLiteral("Garde 2012"));
        QVERIFY(!roster->document().isModified());
        QCOMPARE(Roster::load(target)->year(), 2012);
        QCOMPARE(main_->recentFiles().paths(), QStringList{target});
        QVERIFY(FileMenu(*main_).contains("&1. Garde 2012.dat"));
    }

    // The same file opened twice has two working copies; saving one leaves the other alone.
    void savingAnOpenedRosterWritesItsFileWithoutAsking()
    {
        RosterWindow* roster = openSaved();
        main_->openRoster(path_);
        const QString other = main_->activeRosterWindow()->document().workPath();
        QVERIFY(other != roster->document().workPath());
        const QByteArray otherBefore = ReadFile(other);
        QCOMPARE(roster->document().caption(), QStringLiteral("Garde"));
        QVERIFY(!roster->document().isModified());
        RosterDatabase::open(roster->document().workPath())
            ->execute(R"(UPDATE [Garde] SET [Médecin] = 'Dupont' WHERE [Jour] = '2011-03-01')");

        QVERIFY(roster->document().save(false));

        QVERIFY(ui_->saveChoices.isEmpty());
        QCOMPARE(Roster::load(path_)->days().at(31 + 28).doctor, QStringLiteral("Dupont"));
        QCOMPARE(ReadFile(other), otherBefore);
        QCOMPARE(main_->recentFiles().paths(), QStringList{path_});
        // "Enregistrer sous" proposes the file's own name; cancelling it changes nothing.
        QVERIFY(!roster->document().save(true));
        QCOMPARE(ui_->saveChoices.first().proposedPath, env_->tempPath() + "/Garde");
        QCOMPARE(roster->document().filePath(), path_);
        // Nothing unsaved: quitting asks nothing.
        QVERIFY(main_->close());
        QVERIFY(ui_->shown.isEmpty());
    }

    // Two windows on one file: the second to save is warned that the first has written it.
    void savingOverAFileChangedSinceItWasOpened_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("no: save as, cancelled") << AnswerNo;
        QTest::newRow("yes: replaced") << AnswerYes;
    }

    void savingOverAFileChangedSinceItWasOpened()
    {
        QFETCH(int, answer);
        RosterWindow* first = openSaved();
        main_->openRoster(path_);
        RosterWindow* second = main_->activeRosterWindow();
        ui_->sectorNames = {SectorName{"Premier", false}, SectorName{"Second", false}};
        first->nameSector();
        second->nameSector();
        QVERIFY(first->document().save(false));
        const QByteArray savedByFirst = ReadFile(path_);
        ui_->answers = {answer};

        QCOMPARE(second->document().save(false), answer == AnswerYes);

        QCOMPARE(ui_->questions.size(), 1);
        QCOMPARE(ui_->questions.first().message,
                 "Le fichier " + path_ +
                     " a été modifié par un autre programme depuis son ouverture.\r\n"
                     "Voulez-vous le remplacer par ce tour de garde ?");
        QCOMPARE(ui_->questions.first().buttons, ButtonSet::YesNo);
        QCOMPARE(ui_->questions.first().focusedButton, AnswerNo);
        QCOMPARE(ui_->saveChoices.size(), answer == AnswerNo ? 1 : 0);
        QCOMPARE(second->document().isModified(), answer == AnswerNo);
        if (answer == AnswerNo) {
            QCOMPARE(ReadFile(path_), savedByFirst);
            return;
        }
        QCOMPARE(Roster::load(path_)->sector(), u"Second"_s);
        // The file is now as this window wrote it: the next save asks nothing.
        QVERIFY(second->document().save(false));
        QCOMPARE(ui_->questions.size(), 1);
    }

    // A file rewritten with the bytes this window read or wrote (a backup restored, a
    // synchronising tool) has not changed: saving over it asks nothing.
    void savingOverAFileRewrittenWithTheSameBytes()
    {
        RosterWindow* roster = openSaved();
        ui_->sectorNames = {SectorName{"Ubaye", false}, SectorName{"Bléone", false}};
        for (int save = 0; save < 2; ++save) {
            const QByteArray known = ReadFile(path_);
            QVERIFY(QFile::remove(path_) && WriteFile(path_, known));
            roster->nameSector();
            QVERIFY(roster->document().save(false));
        }
        QVERIFY(ui_->questions.isEmpty());
        QCOMPARE(Roster::load(path_)->sector(), u"Bléone"_s);
    }

    // The edits are kept in a new working file; the roster file is written at the next save.
    void savingAfterTheWorkingFileWasLost_data()
    {
        QTest::addColumn<bool>("replaced");
        QTest::newRow("deleted") << false;
        QTest::newRow("replaced by another roster") << true;
    }

    void savingAfterTheWorkingFileWasLost()
    {
        QFETCH(bool, replaced);
        RosterWindow* roster = openSaved();
        ui_->sectorNames = {SectorName{"Ubaye", false}};
        roster->nameSector();
        const QString work = roster->document().workPath();
        QVERIFY(QFile::remove(work));
        if (replaced)
            QVERIFY(QFile::copy(CreateBlankRoster(2013), work));
        const QByteArray before = ReadFile(path_);

        QVERIFY(!roster->document().save(false));

        QCOMPARE(ui_->texts(),
                 QStringList{"Le fichier de travail de ce tour de garde a été supprimé ou "
                             "remplacé par un autre programme : le tour de garde n'a pas été "
                             "enregistré.\r\nLe fichier de travail a été recréé avec toutes vos "
                             "modifications. Enregistrez de nouveau le tour de garde."});
        QCOMPARE(ui_->shown.first().icon, MessageIcon::Warning);
        QVERIFY(roster->document().isModified());
        QCOMPARE(ReadFile(path_), before);
        QVERIFY(roster->document().workPath() != work);
        QVERIFY(roster->document().save(false));
        QCOMPARE(Roster::load(path_)->year(), 2011);
        QCOMPARE(Roster::load(path_)->sector(), u"Ubaye"_s);
        QCOMPARE(env_->workFiles().size(), 1);
    }

    void closingAsksToSaveChanges_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("saved"); // the save dialog gives a file
        QTest::addColumn<bool>("closed");
        QTest::newRow("no") << QList<int>{AnswerNo} << false << true;
        QTest::newRow("cancel") << QList<int>{AnswerCancel} << false << false;
        QTest::newRow("yes, save dialog cancelled") << QList<int>{AnswerYes} << false << false;
        QTest::newRow("yes, saved") << QList<int>{AnswerYes} << true << true;
    }

    void closingAsksToSaveChanges()
    {
        QFETCH(QList<int>, answers);
        QFETCH(bool, saved);
        QFETCH(bool, closed);
        RosterWindow* roster = newBlank("2012");
        ui_->answers = answers;
        if (saved)
            ui_->filesToSave = {path_};

        roster->parentWidget()->close();

        QCOMPARE(ui_->questions.size(), 1);
        QCOMPARE(ui_->questions.first().message, SavePrompt("Tour 1"));
        QCOMPARE(ui_->questions.first().buttons, ButtonSet::YesNoCancel);
        QCOMPARE(ui_->questions.first().icon, MessageIcon::Question);
        QCOMPARE(main_->rosterWindows().isEmpty(), closed);
        QCOMPARE(env_->workFiles().isEmpty(), closed);
        QCOMPARE(QFile::exists(path_), saved);
        if (closed)
            QCOMPARE(main_->statusText(1), QString());
    }

    void quittingAsksEveryModifiedRoster_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("quit");
        QTest::addColumn<bool>("firstSaved");
        QTest::newRow("no, no") << QList<int>{AnswerNo, AnswerNo} << true << false;
        QTest::newRow("no, cancel") << QList<int>{AnswerNo, AnswerCancel} << false << false;
        QTest::newRow("yes, cancel") << QList<int>{AnswerYes, AnswerCancel} << false << true;
        QTest::newRow("cancel first") << QList<int>{AnswerCancel} << false << false;
    }

    void quittingAsksEveryModifiedRoster()
    {
        QFETCH(QList<int>, answers);
        QFETCH(bool, quit);
        QFETCH(bool, firstSaved);
        RosterWindow* first = newBlank("2012");
        newBlank("2013");
        ui_->answers = answers;
        ui_->filesToSave = {env_->tempPath() + "/Premier.dat"};

        QCOMPARE(main_->close(), quit);

        QCOMPARE(ui_->questions.size(), answers.size());
        QCOMPARE(ui_->questions.first().message, SavePrompt("Tour 1"));
        if (answers.size() > 1)
            QCOMPARE(ui_->questions.at(1).message, SavePrompt("Tour 2"));
        QCOMPARE(main_->rosterWindows().size(), quit ? 0 : 2);
        QCOMPARE(QFile::exists(env_->tempPath() + "/Premier.dat"), firstSaved);
        if (!quit)
            QCOMPARE(first->document().isModified(), !firstSaved);
    }

    void vanishedRecentFileStaysInTheList()
    {
        OpenAppSettings()->setValue("MRU/1", path_);
        main_ = std::make_unique<MainWindow>(ui_.get());
        QVERIFY(FileMenu(*main_).contains("&1. Garde.dat"));

        main_->openRoster(path_);

        QCOMPARE(ui_->texts(), QStringList{"Impossible de créer le fichier de travail."});
        QCOMPARE(ui_->shown.first().icon, MessageIcon::Information);
        QCOMPARE(main_->recentFiles().paths(), QStringList{path_});
        QVERIFY(env_->workFiles().isEmpty());
    }

    // Only a normal window stores its place, in twips; a maximised one is only marked so, and
    // the size of the last normal window waits for the next normal one.
    void placementIsStoredWhenQuitting_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("maximized"); // empty: nothing stored
        QTest::newRow("normal") << int(Qt::WindowNoState) << "Faux";
        QTest::newRow("maximised") << int(Qt::WindowMaximized) << "Vrai";
        QTest::newRow("minimised") << int(Qt::WindowMinimized) << "";
    }

    void placementIsStoredWhenQuitting()
    {
        QFETCH(int, state);
        QFETCH(QString, maximized);
        const bool normal = state == Qt::WindowNoState;
        OpenAppSettings()->setValue("StartUp/Width", "9000");
        main_->showNormal();
        main_->resize(700, 500);
        main_->move(40, 30);
        main_->setWindowState(Qt::WindowStates(state));
        QVERIFY(main_->close());
        std::unique_ptr<QSettings> settings = OpenAppSettings();
        QCOMPARE(settings->value("StartUp/Maximized").toString(), maximized);
        const double twips = 1440.0 / main_->logicalDpiX();
        QCOMPARE(settings->value("StartUp/Width").toString(),
                 normal ? QString::number(qRound(700 * twips)) : u"9000"_s);
        QCOMPARE(settings->value("StartUp/Height").toString(),
                 normal ? QString::number(qRound(500 * twips)) : QString());

        MainWindow restored(ui_.get());
        restored.showAtStoredPlace();
        QCOMPARE(restored.isMaximized(), state == Qt::WindowMaximized);
        if (normal) {
            QCOMPARE(restored.size(), QSize(700, 500));
            QCOMPARE(restored.pos(), QPoint(40, 30));
        }
    }

    // The platform's keys reach the commands of the menus, on the active roster.
    void standardKeysRunTheCommands_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("rosters"); // open afterwards; -1: the program has quit
        QTest::addColumn<int>("saveDialogs");
        QTest::addColumn<int>("printOffers");
        QTest::newRow("open") << "Ctrl+O" << 2 << 0 << 0;
        QTest::newRow("save") << "Ctrl+S" << 1 << 1 << 0;
        QTest::newRow("save as") << "Ctrl+Shift+S" << 1 << 1 << 0;
        QTest::newRow("close") << "Ctrl+W" << 0 << 0 << 0;
        QTest::newRow("close, the roster window's own key") << "Ctrl+F4" << 0 << 0 << 0;
        QTest::newRow("print") << "Ctrl+P" << 1 << 0 << 1;
        QTest::newRow("quit") << "Ctrl+Q" << -1 << 0 << 0;
    }

    void standardKeysRunTheCommands()
    {
        QFETCH(QString, keys);
        QFETCH(int, rosters);
        QFETCH(int, saveDialogs);
        QFETCH(int, printOffers);
        RosterWindow* roster = newBlank("2012");
        ui_->answers = {AnswerNo}; // to saving it when closing or quitting
        ui_->filesToOpen = {CreateBlankRoster(2013)};
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));

        QTest::keySequence(roster->grid(), QKeySequence(keys));

        QCOMPARE(main_->isVisible() ? int(main_->rosterWindows().size()) : -1, rosters);
        QCOMPARE(ui_->saveChoices.size(), saveDialogs);
        QCOMPARE(ui_->rosterPrintOffers.size(), printOffers);
    }

    // Wherever the area's own placer puts a new roster, all of it shows.
    void aNewRosterShowsWhole()
    {
        main_->resize(900, 700);
        QWidget* first = newBlank("2012")->parentWidget();
        first->setGeometry(0, 0, 200, 150);
        const QRect area(QPoint(), first->parentWidget()->size());

        for (const QString& year : {u"2013"_s, u"2014"_s}) {
            const QRect placed = newBlank(year)->parentWidget()->geometry();
            QVERIFY2(area.contains(placed), qPrintable(year));
            QVERIFY(placed.width() > area.width() / 2 && placed.height() > area.height() / 2);
        }
    }

    // However many rosters are open, each cascaded one stays large enough to work in, and
    // none leaves the area; the one in front stays in front.
    void cascadingKeepsTheRostersUsable()
    {
        main_->resize(900, 700);
        QList<QWidget*> windows;
        for (int year = 2011; year <= 2018; ++year)
            windows.append(newBlank(QString::number(year))->parentWidget());
        const QRect area(QPoint(), windows.first()->parentWidget()->size());

        main_->arrange(0);

        QSet<int> lefts;
        for (QWidget* window : windows) {
            QVERIFY(area.contains(window->geometry()));
            QVERIFY(window->width() >= area.width() * 2 / 3 - 1);
            QVERIFY(window->height() >= area.height() * 2 / 3 - 1);
            lefts.insert(window->x());
        }
        QVERIFY(lefts.size() > 1);
        QCOMPARE(main_->activeRosterWindow()->parentWidget(), windows.last());
    }

    // The icon is built into the program, drawn for each size a desktop asks for.
    void theProgramHasItsIcon()
    {
        const QIcon icon = ProgramIcon();
        for (int size : {16, 32, 48, 256}) {
            const QImage drawn = icon.pixmap(size).toImage();
            QCOMPARE(drawn.size(), QSize(size, size));
            // The blue frame of the calendar page, not an empty or stretched picture.
            QCOMPARE(drawn.pixelColor(size / 2, size / 20 + 1).blue() > 100, true);
        }
    }

    // Code 1 stacks the rosters in horizontal bands, code 2 sets them side by side.
    void tilingPutsTheRostersInBands()
    {
        QWidget* first = newBlank("2012")->parentWidget();
        QWidget* second = newBlank("2013")->parentWidget();
        main_->arrange(1);
        QCOMPARE(first->pos(), QPoint(0, 0));
        QCOMPARE(second->pos(), QPoint(0, first->height()));
        QCOMPARE(second->width(), first->width());
        main_->arrange(2);
        QCOMPARE(first->pos(), QPoint(0, 0));
        QCOMPARE(second->pos(), QPoint(first->width(), 0));
        QCOMPARE(second->height(), first->height());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
