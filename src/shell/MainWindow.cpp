#include "shell/MainWindow.h"

#include "document/NewBlankRoster.h"
#include "document/RosterDocument.h"
#include "generator/wizard/GenerationWizard.h"
#include "roster_window/RosterWindow.h"
#include "shell/AboutDialog.h"
#include "shell/DialogInteraction.h"
#include "shell/Help.h"
#include "shell/Placement.h"
#include "store/AbandonedRosters.h"
#include "store/AppInfo.h"
#include "store/BlankRoster.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"
#include "store/Settings.h"

#include <QCloseEvent>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>

#include <cmath>

namespace {

constexpr int TwipsPerInch = 1440;

// The window's place from the settings, in pixels and on a screen; empty when none is stored
// or a value is not a number.
std::optional<QRect> StoredPlace(const Settings& settings, int dpi)
{
    const std::optional<Settings::Place> place = settings.place();
    if (!place)
        return std::nullopt;
    const auto pixels = [dpi](double twips) { return qRound(twips * dpi / TwipsPerInch); };
    const QRect stored(pixels(place->left), pixels(place->top), pixels(place->width),
                       pixels(place->height));
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    return FitOnScreens(stored, screens);
}

// The platform's keys for a command, or the usual ones where the platform has none (many
// desktops have no key for "save as" or "quit").
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey command, const QKeySequence& usual)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    return keys.isEmpty() ? QList<QKeySequence>{usual} : keys;
}

// The manual's section about a step of the generation wizard.
QString WizardSection(WizardPanel panel)
{
    switch (panel) {
    case WizardPanel::Step1:
        return QStringLiteral("assistant-etape1");
    case WizardPanel::Step2:
        return QStringLiteral("assistant-etape2");
    case WizardPanel::Step3:
        return QStringLiteral("assistant-etape3");
    case WizardPanel::FixedDayStep4:
    case WizardPanel::NoFixedDayStep4:
        return QStringLiteral("assistant-etape4");
    case WizardPanel::Step5:
        return QStringLiteral("assistant-etape5");
    case WizardPanel::Step6:
        return QStringLiteral("assistant-etape6");
    case WizardPanel::Step7:
        return QStringLiteral("assistant-etape7");
    case WizardPanel::Final:
        break;
    }
    return QStringLiteral("assistant-terminer");
}

} // namespace

MainWindow::MainWindow(Interaction* ui)
    : ownUi_(ui ? nullptr : std::make_unique<DialogInteraction>(this))
    , ui_(ui ? ui : ownUi_.get())
    , mdiArea_(new QMdiArea(this))
    , statusPanels_{new QLabel(this), new QLabel(this), new QLabel(this), new QLabel(this)}
    , fileMenu_(new QMenu(QStringLiteral("&Fichier"), this))
    , windowMenu_(new QMenu(QStringLiteral("F&enêtre"), this))
    , helpMenu_(new QMenu(QStringLiteral("&?"), this))
{
    setWindowTitle(AppInfo::Title());
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
    recentFiles_.load(Settings());
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

void MainWindow::showAtStoredPlace()
{
    const Settings settings;
    if (settings.maximized()) {
        showMaximized();
        return;
    }
    if (const std::optional<QRect> place = StoredPlace(settings, logicalDpiX())) {
        resize(place->size());
        move(place->topLeft());
    }
    show();
}

void MainWindow::storePlacement()
{
    if (isMinimized())
        return;
    Settings settings;
    settings.setMaximized(isMaximized());
    if (isMaximized())
        return;
    const double twipsPerPixel = TwipsPerInch / double(logicalDpiX());
    const auto twips = [twipsPerPixel](int pixels) { return qRound(pixels * twipsPerPixel); };
    settings.setPlace(twips(x()), twips(y()), twips(width()), twips(height()));
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
        const QString caption = roster ? roster->document().caption() : window->windowTitle();
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
    fileMenu_
        ->addAction(QStringLiteral("&Ouvrir un tour de garde existant"), this,
                    [this] { openRoster({}); })
        ->setShortcuts(QKeySequence::Open);
    fileMenu_->addAction(QStringLiteral("&Tour de garde vierge"), this,
                         &MainWindow::newBlankRoster);
    if (active) {
        fileMenu_->addSeparator();
        fileMenu_
            ->addAction(QStringLiteral("&Enregister"), active,
                        [active] { active->document().save(false); })
            ->setShortcuts(QKeySequence::Save);
        fileMenu_
            ->addAction(QStringLiteral("Enregistrer &sous"), active,
                        [active] { active->document().save(true); })
            ->setShortcuts(StandardKeys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    }
    if (!recentFiles_.paths().isEmpty()) {
        fileMenu_->addSeparator();
        for (int i = 0; i < recentFiles_.paths().size(); ++i) {
            const QString path = recentFiles_.paths().at(i);
            fileMenu_->addAction(RecentFiles::caption(i + 1, path), this,
                                 [this, path] { openRoster(path); });
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

void MainWindow::openRoster(const QString& path)
{
    const QString rosterPath = path.isEmpty() ? ui_->chooseFileToOpen({}) : path;
    if (rosterPath.isEmpty())
        return;
    WorkingCopy copy = MakeWorkingCopy(rosterPath);
    if (!copy.file) {
        ui_->tell(QStringLiteral("Impossible de créer le fichier de travail."),
                  MessageIcon::Information);
        return;
    }
    // Read on the working copy, before any other check: a newer version may have added tables.
    if (RosterDatabase::isFromNewerVersion(copy.file->path())) {
        ui_->tell(NewerVersionMessage, MessageIcon::Critical);
        return;
    }
    auto document = std::make_unique<RosterDocument>(*ui_, *ui_);
    if (document->openFile(std::move(copy), rosterPath, untitledCounter_))
        addRosterWindow(std::move(document));
}

void MainWindow::newBlankRoster()
{
    int year = 0;
    showNewRoster(NewBlankRoster(year, *ui_));
}

void MainWindow::newGeneratedRoster()
{
    GenerationWizard wizard(*ui_, QDate::currentDate().year(), this);
    // Its help button and the help key open the manual at the step in view.
    const auto help = [&wizard] { OpenHelp(WizardSection(wizard.flow().panel())); };
    connect(&wizard, &GenerationWizard::helpRequested, this, help);
    connect(new QShortcut(QKeySequence::HelpContents, &wizard), &QShortcut::activated, this, help);
    if (wizard.exec() != QDialog::Accepted)
        return;
    int year = wizard.blankRosterYear();
    showNewRoster(year != 0 ? NewBlankRoster(year, *ui_) : wizard.takeGeneratedRoster());
}

void MainWindow::showNewRoster(std::unique_ptr<RosterDatabase> db)
{
    if (!db)
        return;
    auto document = std::make_unique<RosterDocument>(*ui_, *ui_);
    if (document->openNew(std::move(db), untitledCounter_))
        addRosterWindow(std::move(document));
}

void MainWindow::reopenAbandonedRosters()
{
    std::vector<AbandonedRoster> abandoned = TakeAbandonedRosters();
    if (abandoned.empty())
        return;
    QList<WorkRecord> records;
    for (const AbandonedRoster& roster : abandoned)
        records.append(roster.record);
    const std::optional<QList<bool>> reopen = ui_->chooseRecoveries(records);
    for (size_t i = 0; i < abandoned.size(); ++i) {
        AbandonedRoster& roster = abandoned[i];
        if (!reopen) {
            roster.db->workFile()->keepForLater();
        } else if (reopen->value(static_cast<qsizetype>(i))) {
            auto document = std::make_unique<RosterDocument>(*ui_, *ui_);
            if (document->openRecovered(std::move(roster.db), roster.record, untitledCounter_))
                addRosterWindow(std::move(document));
        }
        // A discarded roster's working file goes with its database.
    }
}

void MainWindow::addRosterWindow(std::unique_ptr<RosterDocument> document)
{
    auto* roster = new RosterWindow(*ui_, std::move(document));
    connect(roster, &RosterWindow::saved, this, &MainWindow::rosterSaved);
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

void MainWindow::rosterSaved(const QString& filePath)
{
    Settings settings;
    recentFiles_.add(filePath, settings);
    rebuildMenus();
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
    statusPanels_[0]->setText(window ? window->statusDay() : QString());
    statusPanels_[1]->setText(window ? window->statusDuty() : QString());
    statusPanels_[2]->setText(window ? window->statusAlerts() : QString());
    statusPanels_[3]->setText(window ? window->statusAlertCount() : QString());
}

QString MainWindow::statusText(int panel) const
{
    return statusPanels_[panel - 1]->text();
}

void MainWindow::arrange(int code)
{
    switch (code) {
    case 0:
        cascade();
        break;
    case 1:
        tile(Qt::Horizontal);
        break;
    case 2:
        tile(Qt::Vertical);
        break;
    case 3:
        arrangeIcons();
        break;
    }
}

void MainWindow::cascade()
{
    // Bottom to top: the window in front stays in front, at the last step.
    const QList<QMdiSubWindow*> windows = shownWindows(QMdiArea::StackingOrder);
    if (windows.isEmpty())
        return;
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first());
    const QList<QRect> places =
        CascadePlaces(static_cast<int>(windows.size()), mdiArea_->viewport()->size(), step);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        windows.at(i)->showNormal();
        windows.at(i)->setGeometry(places.at(i));
        windows.at(i)->raise();
    }
}

QList<QMdiSubWindow*> MainWindow::shownWindows(QMdiArea::WindowOrder order) const
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : mdiArea_->subWindowList(order)) {
        if (!window->isMinimized())
            windows.append(window);
    }
    return windows;
}

void MainWindow::tile(Qt::Orientation bands)
{
    const QList<QMdiSubWindow*> windows = shownWindows(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    const QSize area = mdiArea_->viewport()->size();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        windows.at(i)->showNormal();
        if (bands == Qt::Horizontal) {
            const int height = area.height() / count;
            windows.at(i)->setGeometry(0, i * height, area.width(), height);
        } else {
            const int width = area.width() / count;
            windows.at(i)->setGeometry(i * width, 0, width, area.height());
        }
    }
}

void MainWindow::arrangeIcons()
{
    int left = 0;
    for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        window->move(left, mdiArea_->viewport()->height() - window->height());
        left += window->width();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Every roster is asked first: a cancel in any of them keeps them all open.
    const QList<RosterWindow*> windows = rosterWindows();
    for (RosterWindow* window : windows) {
        if (!window->document().mayClose()) {
            event->ignore();
            return;
        }
    }
    for (RosterWindow* window : windows)
        window->approveClose();
    mdiArea_->closeAllSubWindows();
    storePlacement();
    event->accept();
}
