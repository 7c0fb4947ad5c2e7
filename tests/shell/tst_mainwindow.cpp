#include "DialogTesting.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "roster_window/RosterGrid.h"
#include "roster_window/RosterWindow.h"
#include "session/RosterSession.h"
#include "session/SessionManager.h"
#include "shell/MainWindow.h"
#include "shell/Placement.h"
#include "shell/ProgramIcon.h"
#include "shell/WindowArrangement.h"
#include "store/Settings.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList FileMenu(const QMainWindow& window)
{
    return Texts(window.findChild<QMenu*>("fileMenu")->actions());
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<MainWindow> main_;
    QString path_;

    RosterWindow* newBlank(int year)
    {
        ui_->promptAnswers.append(QString::number(year));
        main_->sessions().newBlankRoster();
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
            window->session().approveClose();
        main_.reset();
        QVERIFY(env_->workFiles().isEmpty());
        env_.reset();
    }

    // Closing a roster asks about it alone; quitting asks every roster in turn, and a cancel
    // in any of them keeps them all open, saved or not. The menus and the status bar follow.
    void closingAndQuitting_data()
    {
        QTest::addColumn<bool>("quit"); // or close the first roster
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("left"); // rosters left open
        QTest::addColumn<bool>("firstSaved");
        QTest::newRow("close, yes") << false << QList<int>{AnswerYes} << 1 << true;
        QTest::newRow("close, cancel") << false << QList<int>{AnswerCancel} << 2 << false;
        QTest::newRow("quit, no, no") << true << QList<int>{AnswerNo, AnswerNo} << 0 << false;
        QTest::newRow("quit, yes, cancel")
            << true << QList<int>{AnswerYes, AnswerCancel} << 2 << true;
        QTest::newRow("quit, cancel") << true << QList<int>{AnswerCancel} << 2 << false;
        QTest::newRow("quit, yes, yes but no file given")
            << true << QList<int>{AnswerYes, AnswerYes} << 2 << true;
    }

    void closingAndQuitting()
    {
        QFETCH(bool, quit);
        QFETCH(QList<int>, answers);
        QFETCH(int, left);
        QFETCH(bool, firstSaved);
        RosterWindow* first = newBlank(2012);
        newBlank(2013);
        QCOMPARE(Texts(main_->menuBar()->actions()),
                 (QStringList{"&Fichier", "F&enêtre", "É&dition", "&Garde", "&Affichage", "&Outils",
                              "&?"}));
        QCOMPARE(main_->statusText(1), u"mardi 01 janvier"_s);
        ui_->shown.clear();
        ui_->answers = answers;
        ui_->filesToSave = {path_};

        QCOMPARE(quit ? main_->close() : first->parentWidget()->close(), left < 2);

        const QString prompt = u"Les données de Tour %1 ont changées.\r\n"
                               "Voulez-vous les sauvegarder ?"_s;
        QCOMPARE(ui_->texts(), QStringList({prompt.arg(1), prompt.arg(2)}).mid(0, answers.size()));
        for (const Question& question : std::as_const(ui_->questions))
            QVERIFY(question.buttons == ButtonSet::YesNoCancel &&
                    question.icon == MessageIcon::Question);
        QCOMPARE(main_->rosterWindows().size(), left);
        QCOMPARE(env_->workFiles().size(), left);
        QCOMPARE(QFile::exists(path_), firstSaved);
        // Only a file written joins the recent files.
        QCOMPARE(main_->sessions().recentFiles().paths(),
                 firstSaved ? QStringList{path_} : QStringList());
        QCOMPARE(FileMenu(*main_).contains("&1. Garde.dat"), firstSaved);
        if (left == 0) {
            QCOMPARE(main_->statusText(1), QString());
            QCOMPARE(Texts(main_->menuBar()->actions()), (QStringList{"&Fichier", "&?"}));
        }
    }

    void vanishedRecentFileStaysInTheList()
    {
        OpenAppSettings()->setValue("MRU/1", path_);
        main_ = std::make_unique<MainWindow>(ui_.get());
        QVERIFY(FileMenu(*main_).contains("&1. Garde.dat"));
        main_->sessions().openRoster(path_);
        QCOMPARE(main_->sessions().recentFiles().paths(), QStringList{path_});
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
        ShowAtStoredPlace(restored);
        QCOMPARE(restored.isMaximized(), state == Qt::WindowMaximized);
        if (normal)
            QCOMPARE(QRect(restored.pos(), restored.size()), QRect(40, 30, 700, 500));
    }

    void storedPlaceIsBroughtBackOnScreen_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QRect>("placed"); // empty: the default place
        const QRect inside(100, 80, 800, 600);
        QTest::newRow("inside the first screen") << inside << inside;
        QTest::newRow("taller than its screen")
            << QRect(2000, 0, 800, 1500) << QRect(2000, 0, 800, 1024);
        QTest::newRow("huge") << QRect(0, 0, 6000000, 6000000) << QRect(0, 0, 1920, 1050);
        QTest::newRow("no width") << QRect(100, 80, 0, 600) << QRect();
        QTest::newRow("on the second screen")
            << QRect(2000, 100, 800, 600) << QRect(2000, 100, 800, 600);
        QTest::newRow("partly off the right edge")
            << QRect(1500, 100, 800, 600) << QRect(1500, 100, 800, 600);
        QTest::newRow("on a screen since removed")
            << QRect(5000, 100, 800, 600) << QRect(0, 0, 800, 600);
        QTest::newRow("title bar above the screens")
            << QRect(100, -500, 800, 600) << QRect(0, 0, 800, 600);
    }

    void storedPlaceIsBroughtBackOnScreen()
    {
        QFETCH(QRect, stored);
        QFETCH(QRect, placed);
        const QList<QRect> screens{QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(FitOnScreens(stored, screens).value_or(QRect()), placed);
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
        RosterWindow* roster = newBlank(2012);
        ui_->answers = {AnswerNo}; // to saving it when closing or quitting
        ui_->filesToOpen = {CreateBlankRoster(2013)};
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));

        QTest::keySequence(roster->grid(), QKeySequence(keys));

        QCOMPARE(main_->isVisible() ? int(main_->rosterWindows().size()) : -1, rosters);
        QCOMPARE(ui_->saveChoices.size(), saveDialogs);
        QCOMPARE(ui_->rosterPrintOffers.size(), printOffers);
    }

    // "F&enêtre" lists the roster windows after its four entries, the one in front ticked;
    // Ctrl+F6 and Ctrl+Tab go to the next one, Ctrl+Shift+F6 back.
    void switchingBetweenRosters()
    {
        RosterWindow* first = newBlank(2011);
        newBlank(2012);
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        QMenu* windows = main_->findChild<QMenu*>("windowMenu");
        const auto entries = [windows] {
            emit windows->aboutToShow();
            QStringList texts;
            for (const QAction* entry : windows->actions().mid(5))
                texts.append(entry->text() + (entry->isChecked() ? "*" : ""));
            return texts;
        };
        QCOMPARE(Texts(windows->actions()).mid(0, 4),
                 (QStringList{"&En cascade", "Mosaïque &horizontale", "Mosaïque &verticale",
                              "&Réorganiser les icônes"}));
        QCOMPARE(entries(), (QStringList{"&1 Tour 1", "&2 Tour 2*"}));
        for (const char* keys : {"Ctrl+F6", "Ctrl+Tab", "Ctrl+Shift+F6"}) {
            const RosterWindow* before = main_->activeRosterWindow();
            QTest::keySequence(main_->activeRosterWindow()->grid(), QKeySequence(keys));
            QVERIFY2(main_->activeRosterWindow() != before, keys);
        }
        QCOMPARE(main_->activeRosterWindow(), first);
        windows->actions().last()->trigger();
        QCOMPARE(entries(), (QStringList{"&1 Tour 1", "&2 Tour 2*"}));
    }

    // Wherever the area's own placer puts a new roster, all of it shows. However many rosters
    // are cascaded, each stays large enough to work in and none leaves the area, the one in
    // front staying in front; tiled, they share the area in bands (code 1 one above the other,
    // code 2 side by side).
    void arrangingTheRosters()
    {
        main_->resize(900, 700);
        QList<QWidget*> windows{newBlank(2011)->parentWidget()};
        windows.first()->setGeometry(0, 0, 200, 150);
        const QRect area(QPoint(), windows.first()->parentWidget()->size());
        for (int year = 2012; year <= 2018; ++year) {
            windows.append(newBlank(year)->parentWidget());
            QVERIFY(area.contains(windows.last()->geometry()));
            QVERIFY(windows.last()->width() > area.width() / 2);
            QVERIFY(windows.last()->height() > area.height() / 2);
        }

        main_->arrange(0);
        for (QWidget* window : windows) {
            QVERIFY(area.contains(window->geometry()));
            QVERIFY(window->width() >= area.width() * 2 / 3 - 1);
            QVERIFY(window->height() >= area.height() * 2 / 3 - 1);
        }
        QVERIFY(windows.at(0)->pos() != windows.at(1)->pos());
        QCOMPARE(main_->activeRosterWindow()->parentWidget(), windows.last());

        const int count = int(windows.size());
        main_->arrange(1);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(windows.at(i)->pos(), QPoint(0, i * (area.height() / count)));
            QCOMPARE(windows.at(i)->width(), area.width());
        }
        main_->arrange(2);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(windows.at(i)->pos(), QPoint(i * (area.width() / count), 0));
            QCOMPARE(windows.at(i)->height(), area.height());
        }
    }

    // The icon is built into the program, drawn for each size a desktop asks for.
    void theProgramHasItsIcon()
    {
        for (int size : {16, 32, 48, 256}) {
            const QImage drawn = ProgramIcon().pixmap(size).toImage();
            QCOMPARE(drawn.size(), QSize(size, size));
            // The blue frame of the calendar page, not an empty or stretched picture.
            QVERIFY(drawn.pixelColor(size / 2, size / 20 + 1).blue() > 100);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
