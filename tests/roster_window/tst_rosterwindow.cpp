#include "DialogTesting.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/RosterDocument.h"
#include "roster_window/AlertCount.h"
#include "roster_window/GridColours.h"
#include "roster_window/RosterGrid.h"
#include "roster_window/RosterWindow.h"
#include "roster_window/SwapDialog.h"
#include "roster_window/VerificationWindow.h"
#include "roster_window/YearGrid.h"
#include "store/BlankRoster.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"
#include "store/Settings.h"
#include "store/Statement.h"

#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace {

QList<QDate> HighlightedDays(const RosterWindow& window)
{
    QList<QDate> days;
    const int year = window.grid()->year();
    for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
        if (window.grid()->isHighlighted(day))
            days.append(day);
    }
    return days;
}

// The view menu's ticks: "x...." when the first mode is ticked.
QString Ticks(const RosterWindow& window)
{
    QString marks;
    for (const QAction* mode : window.menus().at(2)->actions().first(ViewModeCount))
        marks.append(mode->isChecked() ? 'x' : '.');
    return marks;
}

// The view menu's entry of a text.
QAction* ViewEntry(const RosterWindow& window, const QString& text)
{
    const QList<QAction*> entries = window.menus().at(2)->actions();
    return entries.value(Texts(entries).indexOf(text));
}

// The width the duty columns of a grid show, the same for all twelve.
int DutyWidth(const RosterGrid& grid)
{
    QSet<int> widths;
    for (int column = 1; column < YearGrid::ColumnCount; column += 2)
        widths.insert(grid.columnWidth(column));
    return widths.size() == 1 ? *widths.begin() : -1;
}

// The alerts of the roster's whole year, checked afresh.
QList<RuleAlert> AllAlerts(const Roster& roster)
{
    return CheckRules(FactsOf(roster), roster.rules(), QDate(roster.year(), 1, 1),
                      QDate(roster.year(), 12, 31));
}

// Every day's alert texts as the grid carries them, by day.
QList<QStringList> GridAlerts(const RosterGrid& grid)
{
    QList<QStringList> alerts;
    for (QDate day(grid.year(), 1, 1); day.year() == grid.year(); day = day.addDays(1))
        alerts.append(grid.alerts(day));
    return alerts;
}

QList<QStringList> AlertsByDay(const QList<RuleAlert>& alerts, int year)
{
    QList<QStringList> texts(QDate(year, 12, 31).dayOfYear());
    for (const RuleAlert& alert : alerts)
        texts[alert.day.dayOfYear() - 1].append(alert.text);
    return texts;
}

} // namespace

class TestRosterWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    ScriptedInteraction ui_;
    int untitled_ = 0;

    std::unique_ptr<RosterWindow> open(const QString& work, const QString& filePath = {})
    {
        auto document = std::make_unique<RosterDocument>(ui_, ui_);
        if (!document->openFile(MakeWorkingCopy(work), filePath, untitled_))
            return nullptr;
        return std::make_unique<RosterWindow>(ui_, std::move(document));
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = ScriptedInteraction();
        untitled_ = 0;
    }
    void cleanup() { env_.reset(); }

    void dayCells_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("January's name, duty column") << 2011 << 0 << 1 << "Janvier";
        QTest::newRow("August's name") << 2011 << 0 << 14 << "Août";
        QTest::newRow("Monday 1 August 2011") << 2011 << 1 << 14 << "L 1";
        QTest::newRow("Sunday 7 August 2011") << 2011 << 7 << 14 << "D 7";
        QTest::newRow("29 February 2012") << 2012 << 29 << 2 << "M 29";
        QTest::newRow("no 29 February 2011") << 2011 << 29 << 2 << "";
        QTest::newRow("no 31 April") << 2011 << 31 << 6 << "";
        QTest::newRow("31 December 2011") << 2011 << 31 << 22 << "S 31";
    }

    void dayCells()
    {
        QFETCH(int, year);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        std::unique_ptr<RosterWindow> window = open(CreateBlankRoster(year));
        QVERIFY(window);
        QCOMPARE(window->grid()->cellText(row, column), text);
    }

    void aBlankRosterInItsWindow()
    {
        std::unique_ptr<RosterWindow> window = open(CreateBlankRoster(2012));
        QCOMPARE(window->yearText(), QStringLiteral("2012"));
        QCOMPARE(window->sectorText(), QStringLiteral("Secteur"));
        QCOMPARE(window->viewMode(), ViewMode::Standard);
        QCOMPARE(window->statusDay(), QStringLiteral("dimanche 01 janvier"));
        // 53 Saturdays, 52 Sundays, and 7 holidays from Monday to Friday in 2011.
        QCOMPARE(HighlightedDays(*open(CreateBlankRoster(2011))).size(), 53 + 52 + 7);
        // Without participants: a message, no chooser, and the mode stays.
        window->menus().at(2)->actions().at(1)->trigger();
        QCOMPARE(Ticks(*window), u"x....."_s);
        QCOMPARE(ui_.texts(), QStringList{"Votre liste de participants est vide.\r\n"
                                          "Ajoutez des participants avant d'utiliser cette "
                                          "fonction."});
        QVERIFY(ui_.participantLists.isEmpty());
    }

    // Cells show the duty as stored; the status bar names the day and who is on duty.
    void currentDay_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("duty");
        QTest::newRow("assigned day, label cell")
            << 1 << 4 << u"M 1"_s << u"mardi 01 mars"_s << u"A"_s;
        QTest::newRow("shared day, by starting time")
            << 2 << 5 << u"<Partagé>"_s << u"mercredi 02 mars"_s
            << u"B 08:00–20:00, A 20:00–08:00"_s;
        QTest::newRow("blank day") << 3 << 5 << QString() << u"jeudi 03 mars"_s << QString();
        QTest::newRow("no 30 February") << 30 << 3 << QString() << QString() << QString();
    }

    void currentDay()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(QString, day);
        QFETCH(QString, duty);
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        window->grid()->setCurrentGridCell(row, column);
        QCOMPARE(window->grid()->cellText(row, column), cell);
        QCOMPARE(window->statusDay(), day);
        QCOMPARE(window->statusDuty(), duty);
    }

    void viewModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QList<QDate>>("highlighted");
        const QDate first(2011, 3, 1), second(2011, 3, 2);
        QTest::newRow("participant A, on duty and sharing")
            << 1 << 1 << QList<QDate>{first, second};
        QTest::newRow("participant B, sharing only") << 1 << 0 << QList<QDate>{second};
        QTest::newRow("shared days") << 2 << -1 << QList<QDate>{second};
        QList<QDate> blank;
        for (QDate day(2011, 1, 1); day.year() == 2011; day = day.addDays(1)) {
            if (day != first && day != second)
                blank.append(day);
        }
        QTest::newRow("days without anyone") << 3 << -1 << blank;
        QTest::newRow("unavailable days")
            << 4 << -1 << QList<QDate>{QDate(2011, 3, 4), QDate(2011, 8, 15)};
        QList<QDate> away;
        for (QDate day(2011, 8, 1); day.day() <= 10; day = day.addDays(1))
            away.append(day);
        QTest::newRow("absences of A") << 5 << 1 << away;
    }

    void viewModes()
    {
        QFETCH(int, mode);
        QFETCH(int, choice);
        QFETCH(QList<QDate>, highlighted);
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        ui_.participantChoices = {choice};

        window->menus().at(2)->actions().at(mode)->trigger();

        QCOMPARE(window->viewMode(), static_cast<ViewMode>(mode));
        QCOMPARE(Ticks(*window).indexOf('x'), mode);
        QCOMPARE(Ticks(*window).count('x'), 1);
        QCOMPARE(HighlightedDays(*window), highlighted);
        QVERIFY(ui_.shown.isEmpty());
        const QStringList findTexts{u"Médecin repéré : "_s, u"Absences de "_s};
        QCOMPARE(window->findText(),
                 choice < 0 ? QString() : findTexts.at(mode / 5) + window->findTarget());
        if (mode == 1) {
            // Chosen again and cancelled: the participant shown stays, preselected in the list.
            window->menus().at(2)->actions().at(1)->trigger();
            QCOMPARE(ui_.participantLists, (QList<QStringList>{{"B", "A"}, {"B", "A"}}));
            QCOMPARE(ui_.preselections, (QList<int>{0, choice}));
            QCOMPARE(HighlightedDays(*window), highlighted);
            QCOMPARE(Ticks(*window), u".x...."_s);
        }
    }

    // The header pair is the platform's button face unless it is hardly told from the cells.
    void headerColours_data()
    {
        QTest::addColumn<QColor>("button");
        QTest::addColumn<QColor>("cells");
        QTest::addColumn<bool>("kept");
        QTest::newRow("light grey face on white, too pale")
            << QColor(239, 239, 239) << QColor(Qt::white) << false;
        QTest::newRow("bluish face on white, too pale")
            << QColor(236, 240, 248) << QColor(Qt::white) << false;
        QTest::newRow("classic grey on white")
            << QColor(212, 208, 200) << QColor(Qt::white) << true;
        QTest::newRow("dark theme, face too close")
            << QColor(50, 50, 52) << QColor(42, 42, 42) << false;
        QTest::newRow("white face on white") << QColor(Qt::white) << QColor(Qt::white) << false;
    }

    void headerColours()
    {
        QFETCH(QColor, button);
        QFETCH(QColor, cells);
        QFETCH(bool, kept);
        QPalette palette;
        palette.setColor(QPalette::Button, button);
        palette.setColor(QPalette::ButtonText, Qt::black);
        palette.setColor(QPalette::Base, cells);

        const ColourPair header = HeaderColours(palette);

        QCOMPARE(header.text, QColor(Qt::black));
        QCOMPARE(header.background == button, kept);
        QVERIFY(ContrastRatio(header.background, cells) >= 1.25);
        if (!kept) {
            QVERIFY(ContrastRatio(header.background, cells) >= 1.5);
            QCOMPARE(header.background.hslHue(), button.hslHue());
            QVERIFY(ContrastRatio(header.background, cells) < 1.6); // no more than needed
        }
    }

    // On screen a weekend shows the header's grey, a weekday the cells' white.
    void highlightedDaysShowOnScreen()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        window->resize(1366, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        RosterGrid& grid = *window->grid();
        const QImage shown = grid.viewport()->grab().toImage();
        const auto colourOf = [&](int row, int column) {
            const QRect cell = grid.visualRect(grid.model()->index(row - 1, column));
            return shown.pixel(cell.right() - 3, cell.center().y());
        };
        const ColourPair header = HeaderColours(grid.palette());

        QCOMPARE(colourOf(5, 5), header.background.rgb()); // Saturday 5 March 2011
        QCOMPARE(colourOf(7, 5), grid.palette().color(QPalette::Base).rgb()); // Monday 7 March
    }

    // Narrower than the full widths, the duty columns narrow until the year fits, but keep
    // about eight characters; wide enough, they keep 1500 twips.
    void theYearFitsTheWindow_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("wholeYear"); // no scrolling to reach December
        QTest::addColumn<bool>("fullWidth"); // 1500 twips
        QTest::newRow("maximised on a 1366-pixel screen") << 1366 << true << false;
        QTest::newRow("wide") << 2600 << true << true;
        QTest::newRow("too narrow even for eight characters") << 500 << false << false;
    }

    void theYearFitsTheWindow()
    {
        QFETCH(int, width);
        QFETCH(bool, wholeYear);
        QFETCH(bool, fullWidth);
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        RosterGrid& grid = *window->grid();
        window->resize(width, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        const int dutyWidth = DutyWidth(grid);
        QCOMPARE(grid.horizontalHeader()->length() <= grid.viewport()->width(), wholeYear);
        QCOMPARE(dutyWidth == 1500 * grid.logicalDpiX() / 1440, fullWidth);
        QVERIFY(dutyWidth >= 8 * grid.fontMetrics().averageCharWidth());
    }

    // A name the column cuts shows whole in a tooltip; a name that fits has none.
    void aCutNameShowsWholeInATooltip()
    {
        const QString work = CreateMarchRoster();
        const QString name = u"Marie-Christine de La Tour du Pin-Chambly"_s;
        Statement rename = RosterDatabase::open(work)->prepare(
            R"(UPDATE [Garde] SET [Médecin] = ? WHERE [Jour] = '2011-03-03')");
        rename.bind(1, name);
        rename.step();
        std::unique_ptr<RosterWindow> window = open(work);
        window->resize(900, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        RosterGrid& grid = *window->grid();
        const auto tooltipAt = [&grid](int row, int column) {
            const QModelIndex cell = grid.model()->index(row - 1, column);
            const QPoint pos = grid.visualRect(cell).center();
            QHelpEvent help(QEvent::ToolTip, pos, grid.viewport()->mapToGlobal(pos));
            QApplication::sendEvent(grid.viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };

        QCOMPARE(tooltipAt(1, 5), QString());
        // The name is not among the participants: its alert follows it.
        QCOMPARE(tooltipAt(3, 5),
                 name + u"\n"_s + name + u" ne figure pas dans la liste des participants"_s);
        grid.setCurrentGridCell(3, 5);
        QCOMPARE(window->statusDuty(), name);
    }

    // The zoom keys of the view menu step the font and the cells, and stay at their limits;
    // Ctrl+0 fits the window again.
    void zoomStaysWithinItsLimits_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("zoom");
        QTest::newRow("one step in") << int(Qt::Key_Plus) << 1 << 110;
        QTest::newRow("in past the limit") << int(Qt::Key_Plus) << 20 << 200;
        QTest::newRow("out past the limit") << int(Qt::Key_Minus) << 20 << 60;
    }

    void zoomStaysWithinItsLimits()
    {
        QFETCH(int, key);
        QFETCH(int, presses);
        QFETCH(int, zoom);
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        window->addActions(window->menus().at(2)->actions());
        window->resize(1366, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        RosterGrid& grid = *window->grid();
        const auto sizes = [&grid] {
            return QList<qreal>{grid.font().pointSizeF(), qreal(grid.rowHeight(0)),
                                qreal(DutyWidth(grid))};
        };
        const QList<qreal> normal = sizes();

        for (int press = 0; press < presses; ++press)
            QTest::keyClick(window.get(), Qt::Key(key), Qt::ControlModifier);

        QCOMPARE(grid.zoom(), zoom);
        QCOMPARE(sizes().first(), normal.first() * zoom / 100);
        QCOMPARE(sizes().at(1) > normal.at(1), zoom > 100);
        QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
        // Once the scroll bars the larger zoom needed are gone.
        QTRY_COMPARE(sizes(), normal);
    }

    // Ctrl and the wheel zoom a step a notch, however finely the wheel turns.
    void theWheelZoomsWithCtrl()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        QList<int> zooms;
        for (int delta : {60, 60, -360}) {
            QWheelEvent wheel({10, 10}, {10, 10}, {}, {0, delta}, Qt::NoButton, Qt::ControlModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(window->grid()->viewport(), &wheel);
            zooms.append(window->grid()->zoom());
        }
        QCOMPARE(zooms, (QList<int>{100, 110, 80}));
    }

    // At 1366 pixels a name the whole year cuts reads whole in a half year, which fits the
    // window. The half chosen opens the next window; going to a day of the other half shows it.
    void theHalfYear()
    {
        std::unique_ptr<RosterWindow> first = open(CreateMarchRoster());
        const QDate day(2011, 3, 3);
        first->document().addParticipant(u"Dr Chevalier"_s);
        first->document().assignDay(day, u"Dr Chevalier"_s);
        first->resize(1366, 700);
        first->show();
        QVERIFY(QTest::qWaitForWindowExposed(first.get()));
        RosterGrid& grid = *first->grid();
        first->goToDay(day);
        QCOMPARE(grid.toolTipOf(day), u"Dr Chevalier"_s);

        ViewEntry(*first, u"&1er semestre"_s)->trigger();

        for (int column = 0; column < YearGrid::ColumnCount; ++column)
            QCOMPARE(grid.isColumnHidden(column), column >= 12);
        QCOMPARE(grid.toolTipOf(day), QString());
        QVERIFY(grid.horizontalHeader()->length() <= grid.viewport()->width());
        QCOMPARE(grid.currentDay(), day);
        ViewEntry(*first, u"&2e semestre"_s)->trigger();
        QCOMPARE(first->statusDay(), u"vendredi 01 juillet"_s);
        std::unique_ptr<RosterWindow> second = open(CreateMarchRoster());
        QVERIFY(second->grid()->isColumnHidden(0) && !second->grid()->isColumnHidden(12));
        QVERIFY(ViewEntry(*second, u"&2e semestre"_s)->isChecked());
        QCOMPARE(second->statusDay(), first->statusDay());
        second->goToDay(QDate(2011, 3, 2));
        QVERIFY(!second->grid()->isColumnHidden(5) && second->grid()->isColumnHidden(17));
        QVERIFY(ViewEntry(*second, u"&1er semestre"_s)->isChecked());
    }

    // Shift+F10 and the menu key open the day's commands where the current day is.
    void theKeyboardOpensTheDayMenu_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }

    void theKeyboardOpensTheDayMenu()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        window->grid()->setCurrentGridCell(2, 5);

        QTest::keyClick(window->grid(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        QVERIFY(window->contextMenu()->isVisible());
        QCOMPARE(window->grid()->currentDay(), QDate(2011, 3, 2));
        window->contextMenu()->hide();
        QTest::keyClick(window->grid(), Qt::Key_F10);
        QVERIFY(!window->contextMenu()->isVisible());
    }

    // Past December a wide grid's header names no month: the current day stays.
    void rightClickOnTheHeader()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        window->resize(2600, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QHeaderView* header = window->grid()->horizontalHeader();
        window->grid()->setCurrentGridCell(2, 5);
        const auto rightClickAt = [header](int x) {
            const QPoint pos(x, header->height() / 2);
            QContextMenuEvent click(QContextMenuEvent::Mouse, pos, header->mapToGlobal(pos));
            QApplication::sendEvent(header->viewport(), &click);
        };

        rightClickAt(header->length() + 20);
        QVERIFY(!window->contextMenu()->isVisible());
        QCOMPARE(window->grid()->currentDay(), QDate(2011, 3, 2));
        QVERIFY(window->menus().at(1)->isEnabled());

        rightClickAt(header->sectionViewportPosition(22) + 5);
        QVERIFY(window->contextMenu()->isVisible());
        QCOMPARE(window->grid()->currentDay(), QDate(2011, 12, 1));
        window->contextMenu()->hide();
    }

    // Only a day dragged within the grid is copied: one dropped from elsewhere changes nothing.
    void aDropFromElsewhereIsRefused()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        RosterGrid& grid = *window->grid();
        const QPoint target = grid.visualRect(grid.model()->index(2, 5)).center();
        QMimeData day;
        day.setData("application/x-rotalis-day", "2011-03-01");
        QDropEvent drop(target, Qt::CopyAction, &day, Qt::LeftButton, Qt::ControlModifier);

        QApplication::sendEvent(grid.viewport(), &drop);

        QVERIFY(!drop.isAccepted());
        QVERIFY(ui_.questions.isEmpty());
        QCOMPARE(grid.cellText(3, 5), QString());
    }

    // The day commands act on the current day and the grid shows what they did; the duty menu
    // lists the participants in table order and follows the current day.
    void dayCommandsShowOnTheGrid()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        RosterGrid* grid = window->grid();
        QMenu* duty = window->menus().at(1);
        QCOMPARE(duty->actions().first()->menu()->actions().first()->text(), u"B"_s);
        window->showContextMenu(30, 2, {}); // 30 February
        QVERIFY(!duty->isEnabled() && !window->contextMenu()->isVisible());
        window->showContextMenu(0, 4, {});
        QCOMPARE(grid->currentDay(), QDate(2011, 3, 1));
        QVERIFY(duty->isEnabled() && window->contextMenu()->isVisible());
        window->contextMenu()->hide();

        ui_.shares = {QList<SharedInterval>{{"A", 0, 6}, {"B", 6, 24}}};
        window->shareCurrentDay();
        QCOMPARE(ui_.shareRequests.first().info,
                 u"Cette garde est, pour le moment, affectée à A"_s);
        QCOMPARE(window->statusDuty(), u"A 08:00–14:00, B 14:00–08:00"_s);
        QCOMPARE(grid->toolTipOf(QDate(2011, 3, 1)), window->statusDuty());
        window->document().undoStack().undo();
        QCOMPARE(window->statusDuty(), u"A"_s);
        QCOMPARE(grid->cellText(1, 5), u"A"_s);

        const QDate saturday(2011, 3, 5);
        grid->setCurrentGridCell(5, 5);
        QVERIFY(grid->isHighlighted(saturday));
        ui_.dayProperties = {DayProperties{DayType::Weekday, true}};
        window->editCurrentDayProperties();
        QVERIFY(!grid->isHighlighted(saturday));
        window->chooseViewMode(ViewMode::Unavailable);
        QVERIFY(grid->isHighlighted(saturday));
        ui_.answers = {AnswerYes};
        const QList<QAction*> tools = window->menus().at(3)->actions();
        tools.at(Texts(tools).indexOf(u"&Vider la liste de mes jours indisponibles"_s))->trigger();
        QVERIFY(!grid->isHighlighted(saturday));
        window->document().undoStack().undo();
        QVERIFY(grid->isHighlighted(saturday));

        ui_.participantsToAdd = {NewParticipant{"C", {}}};
        window->addParticipant();
        QCOMPARE(duty->actions().first()->menu()->actions().size(), 3);
        window->document().undoStack().undo();
        QCOMPARE(duty->actions().first()->menu()->actions().size(), 2);
    }

    // Each edit rechecks the days its rules reach, and leaves the alerts a check of the whole
    // year finds, on the grid, in the status bar and in the verification window.
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
    }

    void alertsFollowEdits()
    {
        QFETCH(QList<QDate>, daysOfA);
        // Empty days raise no alert here, so that one can be exchanged.
        RosterRules emptyDaysAllowed;
        emptyDaysAllowed.dayWithoutDuty = false;
        const QString march = CreateMarchRoster();
        RosterDatabase::open(march)->setRules(emptyDaysAllowed);
        std::unique_ptr<RosterWindow> window = open(march);
        const Roster& roster = window->document().roster();
        const auto checkAlerts = [&] {
            const QList<RuleAlert> expected = AllAlerts(roster);
            QCOMPARE(window->alerts().all(), expected);
            QCOMPARE(GridAlerts(*window->grid()), AlertsByDay(expected, 2011));
            QCOMPARE(window->statusAlertCount(), AlertCount(expected.size()));
        };
        // The best exchange for A's second day running is with the next day, empty.
        window->goToDay(QDate(2011, 3, 2));
        ui_.swapChoices = {0};
        window->proposeSwapsForCurrentDay();
        QCOMPARE(ui_.swapProposals.first().first(), u"Personne, jeudi 3 mars"_s);
        QVERIFY(window->alerts().of(QDate(2011, 3, 2)).isEmpty());
        window->showVerification();
        auto* verification = window->findChild<VerificationWindow*>();
        for (const QDate& day : daysOfA) {
            window->goToDay(day);
            window->assignCurrentDay(u"A"_s);
            checkAlerts();
        }
        const QDate alerted = window->alerts().all().last().day;
        window->goToDay(alerted);
        QCOMPARE(window->statusAlerts(), window->grid()->alerts(alerted).join(u" ; "_s));
        QVERIFY(!window->statusAlerts().isEmpty());
        QCOMPARE(verification->list()->topLevelItemCount(), window->alerts().all().size());
        window->goToDay(QDate(2011, 1, 1));
        emit verification->list()->itemActivated(verification->list()->topLevelItem(0), 0);
        QCOMPARE(window->grid()->currentDay(), window->alerts().all().at(0).day);

        const RosterRules rules{false, false, false, 2, 3, true, true, true};
        ui_.rules = {rules};
        window->editRules();
        checkAlerts();
        // The group's rules are set once: the next roster starts with them.
        QCOMPARE(Roster::load(MakeBlankRoster(2012))->rules(), rules);
        window->showAbsences();
        ui_.absencesWindows.first().add({u"A"_s, QDate(2011, 3, 1), QDate(2011, 3, 1), {}});
        QVERIFY(window->grid()->alerts(QDate(2011, 3, 1)).contains(u"A est absent ce jour"_s));
        checkAlerts();
        for (int edit = 0; edit < daysOfA.size() + 3; ++edit)
            window->document().undoStack().undo();
        checkAlerts();
    }

    // An exchange of two weekends is rechecked at once, and the verification window shows every
    // alert of the year as it then stands, the alert chosen still chosen.
    void theVerificationFollowsAnExchange()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        for (const int day : {4, 5, 6, 12, 13})
            window->document().assignDay(QDate(2011, 3, day), day < 12 ? u"A"_s : u"B"_s);
        window->showVerification();
        QTreeWidget* list = window->findChild<VerificationWindow*>()->list();
        const auto rows = [list] {
            QStringList texts;
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                texts.append(list->topLevelItem(i)->text(0) + "|" + list->topLevelItem(i)->text(2));
            return texts;
        };
        const QString fixed = u"sam. 5 mars|A est de garde la veille"_s;
        const int chosen = int(rows().indexOf(fixed)) + 1;
        list->setCurrentItem(list->topLevelItem(chosen));
        const QString kept = rows().at(chosen);
        QSignalSpy rechecks(&window->alerts(), &RosterAlerts::changed);
        ui_.swapChoices = {0};
        window->proposeSwaps(window->alerts().of(QDate(2011, 3, 5)).constFirst());
        QCOMPARE(ui_.swapProposals.first().first(), u"B, du samedi 12 mars au dimanche 13 mars"_s);
        QCOMPARE(rechecks.size(), 1);
        QStringList expected;
        for (const RuleAlert& alert : window->alerts().all())
            expected.append(QLocale(QLocale::French).toString(alert.day, "ddd d MMMM") + "|" +
                            alert.text);
        QCOMPARE(rows(), expected);
        QVERIFY(!rows().contains(fixed));
        QCOMPARE(rows().at(list->indexOfTopLevelItem(list->currentItem())), kept);
    }

    // The swap takes its other day from a click on the grid; a renamed or removed participant
    // shows on the grid and in the doctor menu, which ticks whoever holds the current day.
    void swapRenameAndRemove()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        RosterGrid* grid = window->grid();
        const QMenu* doctors = window->menus().at(1)->actions().first()->menu();
        const auto ticked = [doctors] {
            QStringList names;
            for (const QAction* entry : doctors->actions())
                names.append(entry->isChecked() ? entry->text() : u"-"_s);
            return names;
        };
        grid->setCurrentGridCell(1, 5);
        QCOMPARE(ticked(), (QStringList{"-", "A"}));
        ui_.participantChoices = {1};
        window->chooseViewMode(ViewMode::Doctor);
        window->swapCurrentDay();
        grid->setCurrentGridCell(3, 5);
        window->document().assignDay(QDate(2011, 3, 3), u"B"_s);
        QCOMPARE(window->swapDialog()->otherSide(), u"B, jeudi 3 mars"_s);
        window->document().undoStack().undo();
        QCOMPARE(window->swapDialog()->otherSide(), u"Personne, jeudi 3 mars"_s);
        ButtonCalled(*window->swapDialog(), u"É&changer"_s)->click();
        QCOMPARE(grid->cellText(1, 5), QString());
        QCOMPARE(grid->cellText(3, 5), u"A"_s);
        QCOMPARE(ticked(), (QStringList{"-", "A"}));

        ui_.renamings = {Renaming{u"A"_s, u"Dr Alain"_s}};
        window->renameParticipant();
        QCOMPARE(grid->cellText(3, 5), u"Dr Alain"_s);
        QCOMPARE(ticked(), (QStringList{"-", "Dr Alain"}));
        QCOMPARE(window->viewMode(), ViewMode::Standard); // A is no longer found
        ui_.removals = {Removal{u"Dr Alain"_s, {}, LeftDuties::Kept}};
        window->removeParticipant();
        QCOMPARE(ticked(), QStringList{"-"});
        QVERIFY(grid->alerts(QDate(2011, 3, 3))
                    .contains(u"Dr Alain ne figure pas dans la liste des participants"_s));
    }

    // The edit menu names what it undoes and redoes, a name's "&" shown as typed; the caption
    // loses its marker back at the saved point.
    void undoMenu()
    {
        const QString path = env_->tempPath() + "/Mars.dat";
        QFile::rename(CreateMarchRoster(), path);
        std::unique_ptr<RosterWindow> window = open(path, path);
        const QList<QAction*> entries = window->menus().first()->actions();
        QCOMPARE(window->menus().first()->title(), u"É&dition"_s);
        QCOMPARE(entries.at(0)->text(), u"&Annuler"_s);
        QVERIFY(!entries.at(0)->isEnabled() && !entries.at(1)->isEnabled());
        QCOMPARE(entries.at(0)->shortcut(), QKeySequence(u"Ctrl+Z"_s));
        QCOMPARE(entries.at(1)->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(u"Ctrl+Y"_s), QKeySequence(u"Ctrl+Shift+Z"_s)}));
        window->document().addParticipant("Dr Martin & fils");
        QCOMPARE(entries.at(0)->text(), u"&Annuler : Ajouter le participant Dr Martin && fils"_s);
        QVERIFY(entries.at(0)->isEnabled() && window->isWindowModified());
        entries.at(0)->trigger();
        QVERIFY(!window->isWindowModified());
        QCOMPARE(entries.at(1)->text(), u"&Rétablir : Ajouter le participant Dr Martin && fils"_s);
        QCOMPARE(entries.at(0)->text(), u"&Annuler"_s);
    }

    // The sector's name becomes the default for the next rosters only when asked.
    void namingTheSector()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        ui_.sectorNames = {SectorName{"Haute Vallée", false}, SectorName{"Ubaye", true}};
        window->nameSector();
        QCOMPARE(window->sectorText(), u"Haute Vallée"_s);
        QCOMPARE(Settings().defaultSector(), u"Secteur"_s);
        window->nameSector();
        QCOMPARE(Settings().defaultSector(), u"Ubaye"_s);
        window->document().undoStack().undo();
        QCOMPARE(window->sectorText(), u"Haute Vallée"_s);
    }
};

QTEST_MAIN(TestRosterWindow)
#include "tst_rosterwindow.moc"
