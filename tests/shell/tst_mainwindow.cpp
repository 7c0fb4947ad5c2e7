#include "AppSettings.h"
#include "BlankRoster.h"
#include "FilePaths.h"
#include "MainWindow.h"
#include "Roster.h"
#include "RosterDatabase.h"
#include "RosterWindow.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

const QString SaveFailed = QStringLiteral("Une erreur s'est produite pendant la sauvegarde.");
const QString NoWorkFile = QStringLiteral("Impossible de créer le fichier de travail.");

QString SavePrompt(const QString& caption)
{
    return QStringLiteral("Les données de %1 ont changées.\r\nVoulez-vous les sauvegarder ?")
        .arg(caption);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Texts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QMenu* MenuOf(QMainWindow& window, const QString& title)
{
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<MainWindow> main_;

    RosterWindow* newBlank(const QString& year)
    {
        ui_->promptAnswers.append(year);
        main_->newBlankRoster();
        return main_->activeRosterWindow();
    }

    // Puts a doctor on 1 March in a roster's working copy, as an edit would.
    static void EditWorkingCopy(const RosterWindow& roster, const QString& doctor)
    {
        std::unique_ptr<RosterDatabase> work = RosterDatabase::open(roster.workPath());
        work->prepare(R"(UPDATE [Garde] SET [Médecin] = ?1 WHERE [Jour] = '2011-03-01')")
            .bind(1, doctor)
            .execute();
    }

    static QString DoctorOnFirstMarch(const QString& path)
    {
        std::unique_ptr<Roster> roster = Roster::load(path);
        return roster ? roster->days().at(31 + 28).doctor : QStringLiteral("(illisible)");
    }

    // A roster file saved by the program.
    QString savedRoster(const QString& name, int year)
    {
        const QString path = env_->tempPath() + "/" + name;
        QFile::rename(CreateBlankRoster(year), path);
        return path;
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = std::make_unique<ScriptedInteraction>();
        main_ = std::make_unique<MainWindow>(ui_.get());
        main_->show();
    }

    void cleanup()
    {
        for (RosterWindow* window : main_->rosterWindows())
            window->approveClose();
        main_.reset();
        QVERIFY(env_->workFiles().isEmpty());
        env_.reset();
    }

    void menusOfTheMainWindowAndOfARoster()
    {
        QCOMPARE(Texts(main_->menuBar()->actions()), (QStringList{"&Fichier", "&?"}));
        QCOMPARE(Texts(MenuOf(*main_, "&Fichier")->actions()),
                 (QStringList{"&Nouveau tour de garde", "&Ouvrir un tour de garde existant",
                              "&Tour de garde vierge", "-", "&Quitter"}));
        QCOMPARE(Texts(MenuOf(*main_, "&?")->actions()),
                 (QStringList{"&Aide sur Rotalis", "A &propos de Rotalis..."}));

        newBlank("2012");

        QCOMPARE(Texts(main_->menuBar()->actions()),
                 (QStringList{"&Fichier", "F&enêtre", "&Affichage", "&?"}));
        QCOMPARE(Texts(MenuOf(*main_, "&Fichier")->actions()),
                 (QStringList{"&Nouveau tour de garde", "&Ouvrir un tour de garde existant",
                              "&Tour de garde vierge", "-", "&Enregister", "Enregistrer &sous", "-",
                              "&Fermer", "&Quitter"}));
        QCOMPARE(Texts(MenuOf(*main_, "F&enêtre")->actions()),
                 (QStringList{"&En cascade", "Mosaïque &horizontale", "Mosaïque &verticale",
                              "&Réorganiser les icônes"}));
        QCOMPARE(
            Texts(MenuOf(*main_, "&Affichage")->actions()),
            (QStringList{"&Standard (jours fériés en surbrillance)",
                         "Repérer les gardes d'un &médecin en particulier",
                         "Repérer les gardes &partagées", "Repérer les gardes laissées à &blanc",
                         "Repérer mes jours &indisponibles"}));
    }

    void blankRostersAreNumbered()
    {
        RosterWindow* first = newBlank("2012");
        RosterWindow* second = newBlank("2011");
        QCOMPARE(first->windowTitle(), QStringLiteral("Tour 1"));
        QCOMPARE(second->windowTitle(), QStringLiteral("Tour 2"));
        QCOMPARE(main_->statusText(1), QStringLiteral("samedi 01 janvier"));
        QCOMPARE(env_->workFiles().size(), 2);
    }

    void savingANewRosterProposesItsYearInTheDocuments()
    {
        RosterWindow* roster = newBlank("2012");
        const QString target = env_->tempPath() + "/Garde 2012.dat";
        ui_->filesToSave = {target};

        QVERIFY(roster->saveRoster(false));

        QCOMPARE(ui_->saveChoices.size(), 1);
        QCOMPARE(ui_->saveChoices.first().proposedPath, DocumentsFolder() + "/Garde 2012");
        QCOMPARE(roster->filePath(), target);
        QCOMPARE(roster->windowTitle(), QStringLiteral("Garde 2012"));
        QVERIFY(!roster->isModified());
        std::unique_ptr<Roster> saved = Roster::load(target);
        QVERIFY(saved);
        QCOMPARE(saved->year(), 2012);
        QCOMPARE(main_->recentFiles().paths(), QStringList{target});
        QCOMPARE(OpenAppSettings()->value("MRU/1").toString(), target);
        QVERIFY(Texts(MenuOf(*main_, "&Fichier")->actions()).contains("&1. Garde 2012.dat"));
    }

    void savingAnOpenedRosterWritesItsFileWithoutAsking()
    {
        const QString path = savedRoster("Garde.dat", 2011);
        main_->openRoster(path);
        RosterWindow* roster = main_->activeRosterWindow();
        QVERIFY(roster);
        QCOMPARE(roster->windowTitle(), QStringLiteral("Garde"));
        QVERIFY(!roster->isModified());
        EditWorkingCopy(*roster, "Dupont");

        QVERIFY(roster->saveRoster(false));

        QVERIFY(ui_->saveChoices.isEmpty());
        QCOMPARE(DoctorOnFirstMarch(path), QStringLiteral("Dupont"));
        QCOMPARE(main_->recentFiles().paths(), QStringList{path});
    }

    void saveAsProposesTheFileNameAndCanBeCancelled()
    {
        const QString path = savedRoster("Garde.dat", 2011);
        main_->openRoster(path);
        RosterWindow* roster = main_->activeRosterWindow();

        QVERIFY(!roster->saveRoster(true));

        QCOMPARE(ui_->saveChoices.first().proposedPath, env_->tempPath() + "/Garde");
        QCOMPARE(roster->filePath(), path);
        QVERIFY(ui_->shown.isEmpty());
        QVERIFY(main_->recentFiles().paths().isEmpty());
    }

    void failedSaveChangesNothing()
    {
        RosterWindow* roster = newBlank("2012");
        ui_->filesToSave = {env_->tempPath() + "/dossier disparu/Garde.dat"};

        QVERIFY(!roster->saveRoster(false));

        QCOMPARE(ui_->texts(), (QStringList{"Entrez l'année du tour de garde:", SaveFailed}));
        QCOMPARE(ui_->shown.last().icon, MessageIcon::Critical);
        QCOMPARE(roster->windowTitle(), QStringLiteral("Tour 1"));
        QVERIFY(roster->filePath().isEmpty());
        QVERIFY(roster->isModified());
        QVERIFY(main_->recentFiles().paths().isEmpty());
    }

    void damagedWorkingCopyNeverReplacesTheRosterFile()
    {
        const QString path = savedRoster("Garde.dat", 2011);
        const QByteArray former = ReadAll(path);
        main_->openRoster(path);
        RosterWindow* roster = main_->activeRosterWindow();
        QCOMPARE(env_->workFiles().size(), 1);
        {
            // The participants' index now claims another column than the one it holds.
            std::unique_ptr<RosterDatabase> work = RosterDatabase::open(roster->workPath());
            work->execute(
                R"(INSERT INTO [Participants] ([Médecin], [Ville]) VALUES ('A', 'Digne'))");
            work->execute("PRAGMA writable_schema = ON");
            work->execute(R"(UPDATE sqlite_master SET sql = 'CREATE INDEX [Médecin] ON
                             [Participants] ([Ville])' WHERE name = 'Médecin')");
            work->execute("PRAGMA schema_version = 1000");
        }

        QVERIFY(!roster->saveRoster(false));

        QCOMPARE(ui_->texts(), QStringList{SaveFailed});
        QCOMPARE(ReadAll(path), former);
        QCOMPARE(roster->windowTitle(), QStringLiteral("Garde"));
    }

    void closingAsksToSaveChanges_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("filesToSave");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("no") << QList<int>{AnswerNo} << QStringList{} << true << false;
        QTest::newRow("cancel") << QList<int>{AnswerCancel} << QStringList{} << false << false;
        QTest::newRow("yes, save dialog cancelled")
            << QList<int>{AnswerYes} << QStringList{} << false << false;
        QTest::newRow("yes, saved")
            << QList<int>{AnswerYes} << QStringList{"Tour.dat"} << true << true;
    }

    void closingAsksToSaveChanges()
    {
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, filesToSave);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        RosterWindow* roster = newBlank("2012");
        ui_->answers = answers;
        for (const QString& name : filesToSave)
            ui_->filesToSave.append(env_->tempPath() + "/" + name);

        roster->parentWidget()->close();

        QCOMPARE(ui_->questions.size(), 1);
        QCOMPARE(ui_->questions.first().message, SavePrompt("Tour 1"));
        QCOMPARE(ui_->questions.first().buttons, ButtonSet::YesNoCancel);
        QCOMPARE(ui_->questions.first().icon, MessageIcon::Question);
        QCOMPARE(main_->rosterWindows().isEmpty(), closed);
        QCOMPARE(env_->workFiles().isEmpty(), closed);
        QCOMPARE(QFile::exists(env_->tempPath() + "/Tour.dat"), saved);
        if (closed)
            QCOMPARE(main_->statusText(1), QString());
    }

    void closingASavedRosterAsksNothing()
    {
        main_->openRoster(savedRoster("Garde.dat", 2011));
        main_->activeRosterWindow()->parentWidget()->close();
        QVERIFY(ui_->questions.isEmpty());
        QVERIFY(main_->rosterWindows().isEmpty());
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
            QCOMPARE(first->isModified(), !firstSaved);
    }

    void openingWhatIsNotARosterLeavesNothingBehind_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("Date;Médecin;Début;Fin\r\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("random bytes") << QByteArray(4096, '\x5a');
    }

    void openingWhatIsNotARosterLeavesNothingBehind()
    {
        QFETCH(QByteArray, content);
        const QString path = env_->tempPath() + "/Garde.dat";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        ui_->filesToOpen = {path};

        main_->openRoster({});

        QCOMPARE(ui_->texts(),
                 QStringList{"Impossible d'ouvrir le tour de garde.\r\nAssurez-vous "
                             "qu'il s'agit bien d'un tour de garde de l'application."});
        QCOMPARE(ui_->shown.first().icon, MessageIcon::Critical);
        QVERIFY(main_->rosterWindows().isEmpty());
        QVERIFY(env_->workFiles().isEmpty());
        QCOMPARE(ReadAll(path), content);
    }

    void vanishedRecentFileStaysInTheList()
    {
        const QString path = env_->tempPath() + "/Parti.dat";
        OpenAppSettings()->setValue("MRU/1", path);
        main_ = std::make_unique<MainWindow>(ui_.get());
        QVERIFY(Texts(MenuOf(*main_, "&Fichier")->actions()).contains("&1. Parti.dat"));

        main_->openRoster(path);

        QCOMPARE(ui_->texts(), QStringList{NoWorkFile});
        QCOMPARE(ui_->shown.first().icon, MessageIcon::Information);
        QCOMPARE(main_->recentFiles().paths(), QStringList{path});
        QVERIFY(env_->workFiles().isEmpty());
    }

    void sameFileOpenedTwiceHasTwoWorkingCopies()
    {
        const QString path = savedRoster("Garde.dat", 2011);
        main_->openRoster(path);
        main_->openRoster(path);
        QCOMPARE(main_->rosterWindows().size(), 2);
        QCOMPARE(env_->workFiles().size(), 2);
        RosterWindow* saving = main_->rosterWindows().at(0);
        const QString other = main_->rosterWindows().at(1)->workPath();
        QVERIFY(other != saving->workPath());
        const QByteArray otherBefore = ReadAll(other);
        EditWorkingCopy(*saving, "Dupont");

        QVERIFY(saving->saveRoster(false));

        QCOMPARE(DoctorOnFirstMarch(path), QStringLiteral("Dupont"));
        QCOMPARE(ReadAll(other), otherBefore);
    }

    void placementIsStoredWhenQuitting()
    {
        main_->showNormal();
        main_->resize(700, 500);
        main_->move(40, 30);
        QVERIFY(main_->close());
        std::unique_ptr<QSettings> settings = OpenAppSettings();
        QCOMPARE(settings->value("StartUp/Maximized").toString(), QStringLiteral("Faux"));
        const double twips = 1440.0 / main_->logicalDpiX();
        QCOMPARE(settings->value("StartUp/Width").toString(), QString::number(qRound(700 * twips)));
        QCOMPARE(settings->value("StartUp/Height").toString(),
                 QString::number(qRound(500 * twips)));

        MainWindow restored(ui_.get());
        restored.showAtStoredPlace();
        QCOMPARE(restored.size(), QSize(700, 500));
        QCOMPARE(restored.pos(), QPoint(40, 30));
    }

    void firstStartHasNoStoredPlaceNorRecentFile()
    {
        main_->showAtStoredPlace();
        QVERIFY(!main_->isMaximized());
        QVERIFY(main_->recentFiles().paths().isEmpty());
        QCOMPARE(Texts(MenuOf(*main_, "&Fichier")->actions()).count("-"), 1);
        QVERIFY(OpenAppSettings()->childGroups().isEmpty());
    }

    void maximisedWindowComesBackMaximised()
    {
        OpenAppSettings()->setValue("StartUp/Width", "9000");
        main_->showMaximized();
        QVERIFY(main_->close());
        QCOMPARE(OpenAppSettings()->value("StartUp/Maximized").toString(), QStringLiteral("Vrai"));
        // The size of the last normal window waits for the next normal one.
        QCOMPARE(OpenAppSettings()->value("StartUp/Width").toString(), QStringLiteral("9000"));

        MainWindow restored(ui_.get());
        restored.showAtStoredPlace();
        QVERIFY(restored.isMaximized());
    }

    void minimisedWindowStoresNothing()
    {
        main_->showMinimized();
        QVERIFY(main_->close());
        QVERIFY(OpenAppSettings()->childGroups().isEmpty());
    }

    void tilingPutsTheRostersInBands_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("stacked");
        QTest::newRow("horizontal bands") << 1 << true;
        QTest::newRow("vertical bands") << 2 << false;
    }

    void tilingPutsTheRostersInBands()
    {
        QFETCH(int, code);
        QFETCH(bool, stacked);
        QWidget* first = newBlank("2012")->parentWidget();
        QWidget* second = newBlank("2013")->parentWidget();

        main_->arrange(code);

        QCOMPARE(first->geometry().topLeft(), QPoint(0, 0));
        if (stacked) {
            QCOMPARE(second->x(), 0);
            QCOMPARE(second->y(), first->height());
            QCOMPARE(second->width(), first->width());
        } else {
            QCOMPARE(second->y(), 0);
            QCOMPARE(second->x(), first->width());
            QCOMPARE(second->height(), first->height());
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
