#include "shell/MainWindow.h"

#include "document/RosterDocument.h"
#include "generator/wizard/GenerationWizard.h"
#include "roster_window/RosterWindow.h"
#include "session/NewBlankRoster.h"
#include "session/RosterSession.h"
#include "session/SessionManager.h"
#include "shell/AboutDialog.h"
#include "shell/DialogInteraction.h"
#include "shell/Help.h"
#include "shell/Placement.h"
#include "shell/WindowArrangement.h"
#include "store/AppInfo.h"

#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>

namespace {

// The platform's keys for a command, or the usual ones where the platform has none (many
// desktops have no key for "save as" or "quit").
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey command, const QKeySequence& usual)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    return keys.isEmpty() ? QList<QKeySequence>{usual} : keys;
}

} // namespace

MainWindow::MainWindow(Interaction* ui)
    : ownUi_(ui ? nullptr : std::make_unique<DialogInteraction>(this))
    , ui_(ui ? ui : ownUi_.get())
    , sessions_(std::make_unique<SessionManager>(
          *ui_,
          [this](std::unique_ptr<RosterSession> session) { addRosterWindow(std::move(session)); }))
    , mdiArea_(new QMdiArea(this))
    , statusPanels_{new QLabel(this), new QLabel(this), new QLabel(this), new QLabel(this)}
    , fileMenu_(new QMenu(QStringLiteral("&Fichier"), this))
    , windowMenu_(new QMenu(QStringLiteral("F&enêtre"), this))
    , helpMenu_(new QMenu(QStringLiteral("&?"), this))
{
    setWindowTitle(AppInfo::Title());
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    windowMenu_->setObjectName(QStringLiteral("windowMenu"));
    setCentralWidget(mdiArea_);
    for (QLabel* panel : statusPanels_)
        panel->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(statusPanels_[0], 1);
    statusBar()->addWidget(statusPanels_[1], 3);
    statusBar()->addWidget(statusPanels_[2], 4);
    statusBar()->addPermanentWidget(statusPanels_[3]);

    connect(windowMenu_, &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);
    fillWindowMenu();
    // From one roster window to the next, or back, as on the platform.
    auto* next = new QAction(this);
    next->setShortcuts(StandardKeys(QKeySequence::NextChild, Qt::CTRL | Qt::Key_F6));
    connect(next, &QAction::triggered, mdiArea_, &QMdiArea::activateNextSubWindow);
    auto* previous = new QAction(this);
    previous->setShortcuts(
        StandardKeys(QKeySequence::PreviousChild, Qt::CTRL | Qt::SHIFT | Qt::Key_F6));
    connect(previous, &QAction::triggered, mdiArea_, &QMdiArea::activatePreviousSubWindow);
    addActions({next, previous});
    // Over a roster, the help opens at the section about its grid.
    helpMenu_
        ->addAction(
            QStringLiteral("&Aide sur Rotalis"), this,
            [this] { OpenHelp(activeRosterWindow() ? QStringLiteral("grille") : QString()); })
        ->setShortcuts(QKeySequence::HelpContents);
    helpMenu_->addAction(QStringLiteral("A &propos de Rotalis..."), this, [this] {
        AboutDialog about(this);
        about.exec();
    });

    RouteHelpKey();
    connect(sessions_.get(), &SessionManager::recentFilesChanged, this, &MainWindow::rebuildMenus);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] {
        rebuildMenus();
        showStatusOf(activeRosterWindow());
    });
    rebuildMenus();
}

MainWindow::~MainWindow()
{
    // The children below signal while they are torn down; this window no longer listens.
    mdiArea_->disconnect(this);
    for (RosterWindow* window : rosterWindows())
        window->disconnect(this);
}

void MainWindow::rebuildMenus()
{
    RosterWindow* active = activeRosterWindow();
    fillFileMenu(active);
    menuBar()->clear();
    menuBar()->addMenu(fileMenu_);
    if (active) {
        menuBar()->addMenu(windowMenu_);
        for (QMenu* menu : active->menus())
            menuBar()->addMenu(menu);
    }
    menuBar()->addMenu(helpMenu_);
}

void MainWindow::fillWindowMenu()
{
    windowMenu_->clear();
    windowMenu_->addAction(QStringLiteral("&En cascade"), this, [this] { arrange(0); });
    windowMenu_->addAction(QStringLiteral("Mosaïque &horizontale"), this, [this] { arrange(1); });
    windowMenu_->addAction(QStringLiteral("Mosaïque &verticale"), this, [this] { arrange(2); });
    windowMenu_->addAction(QStringLiteral("&Réorganiser les icônes"), this, [this] { arrange(3); });
    // Every roster window, the one in front ticked.
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    if (!windows.isEmpty())
        windowMenu_->addSeparator();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows.at(i);
        const auto* roster = qobject_cast<const RosterWindow*>(window->widget());
        const QString caption =
            roster ? roster->session().document().caption() : window->windowTitle();
        QAction* entry =
            windowMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QString(caption).replace(
                                       QLatin1Char('&'), QLatin1String("&&"))),
                                   this, [this, window] { mdiArea_->setActiveSubWindow(window); });
        entry->setCheckable(true);
        entry->setChecked(window == mdiArea_->activeSubWindow());
    }
}

void MainWindow::fillFileMenu(RosterWindow* active)
{
    fileMenu_->clear();
    fileMenu_
        ->addAction(QStringLiteral("&Nouveau tour de garde"), this, &MainWindow::newGeneratedRoster)
        ->setShortcuts(QKeySequence::New);
    SessionManager* sessions = sessions_.get();
    fileMenu_
        ->addAction(QStringLiteral("&Ouvrir un tour de garde existant"), this,
                    [sessions] { sessions->openRoster({}); })
        ->setShortcuts(QKeySequence::Open);
    fileMenu_->addAction(QStringLiteral("&Tour de garde vierge"), sessions,
                         &SessionManager::newBlankRoster);
    if (active) {
        fileMenu_->addSeparator();
        fileMenu_
            ->addAction(QStringLiteral("&Enregister"), active,
                        [active] { active->session().save(); })
            ->setShortcuts(QKeySequence::Save);
        fileMenu_
            ->addAction(QStringLiteral("Enregistrer &sous"), active,
                        [active] { active->session().saveAs(); })
            ->setShortcuts(StandardKeys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    }
    const QStringList& recent = sessions_->recentFiles().paths();
    if (!recent.isEmpty()) {
        fileMenu_->addSeparator();
        for (int i = 0; i < recent.size(); ++i) {
            const QString path = recent.at(i);
            fileMenu_->addAction(RecentFiles::caption(i + 1, path), this,
                                 [sessions, path] { sessions->openRoster(path); });
        }
    }
    fileMenu_->addSeparator();
    if (active) {
        fileMenu_
            ->addAction(QStringLiteral("&Fermer"), this,
                        [this] { mdiArea_->closeActiveSubWindow(); })
            ->setShortcuts(QKeySequence::Close);
    }
    fileMenu_->addAction(QStringLiteral("&Quitter"), this, &QWidget::close)
        ->setShortcuts(StandardKeys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));
}

void MainWindow::newGeneratedRoster()
{
    GenerationWizard wizard(*ui_, QDate::currentDate().year(), this);
    // Its help button and the help key open the manual at the step in view.
    const auto help = [&wizard] { OpenHelp(wizard.helpSection()); };
    connect(&wizard, &GenerationWizard::helpRequested, this, help);
    connect(new QShortcut(QKeySequence::HelpContents, &wizard), &QShortcut::activated, this, help);
    if (wizard.exec() != QDialog::Accepted)
        return;
    int year = wizard.blankRosterYear();
    sessions_->openNew(year != 0 ? NewBlankRoster(year, *ui_) : wizard.takeGeneratedRoster());
}

void MainWindow::addRosterWindow(std::unique_ptr<RosterSession> session)
{
    auto* roster = new RosterWindow(std::move(session));
    connect(roster, &RosterWindow::statusChanged, this, [this, roster] {
        if (activeRosterWindow() == roster)
            showStatusOf(roster);
    });
    connect(roster, &RosterWindow::closed, this, [this] { showStatusOf(nullptr); });
    QMdiSubWindow* subWindow = mdiArea_->addSubWindow(roster);
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    // "&Fermer" of the File menu carries the closing keys: the same keys on the window's own
    // menu would leave both commands without them.
    for (QAction* action : subWindow->systemMenu()->actions()) {
        if (QKeySequence::keyBindings(QKeySequence::Close).contains(action->shortcut()))
            action->setShortcuts({});
    }
    subWindow->resize(mdiArea_->viewport()->size() * 0.9);
    subWindow->show();
    // The area's own placer may put it partly out of sight beside large windows.
    subWindow->setGeometry(FitInside(subWindow->geometry(), mdiArea_->viewport()->size()));
    mdiArea_->setActiveSubWindow(subWindow);
}

QList<RosterWindow*> MainWindow::rosterWindows() const
{
    QList<RosterWindow*> windows;
    for (QMdiSubWindow* subWindow : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* roster = qobject_cast<RosterWindow*>(subWindow->widget()))
            windows.append(roster);
    }
    return windows;
}

RosterWindow* MainWindow::activeRosterWindow() const
{
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    return active ? qobject_cast<RosterWindow*>(active->widget()) : nullptr;
}

void MainWindow::showStatusOf(RosterWindow* window)
{
    const RosterSession* session = window ? &window->session() : nullptr;
    statusPanels_[0]->setText(session ? session->statusDay() : QString());
    statusPanels_[1]->setText(session ? session->statusDuty() : QString());
    statusPanels_[2]->setText(session ? session->statusAlerts() : QString());
    statusPanels_[3]->setText(session ? session->statusAlertCount() : QString());
}

QString MainWindow::statusText(int panel) const
{
    return statusPanels_[panel - 1]->text();
}

void MainWindow::arrange(int code)
{
    ArrangeWindows(*mdiArea_, code);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QList<RosterSession*> sessions;
    for (RosterWindow* window : rosterWindows())
        sessions.append(&window->session());
    if (!sessions_->approveClosingAll(sessions)) {
        event->ignore();
        return;
    }
    mdiArea_->closeAllSubWindows();
    StorePlacement(*this);
    event->accept();
}
