#include "DialogTesting.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/RosterDocument.h"
#include "roster_window/DifferencesWindow.h"
#include "roster_window/GridColours.h"
#include "roster_window/JournalWindow.h"
#include "roster_window/RepairDialog.h"
#include "roster_window/RosterGrid.h"
#include "roster_window/RosterWindow.h"
#include "roster_window/SwapDialog.h"
#include "roster_window/VerificationWindow.h"
#include "roster_window/YearDateField.h"
#include "roster_window/YearGrid.h"
#include "session/RosterSession.h"
#include "store/BlankRoster.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"
#include "store/Statement.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QListWidget>
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

// A menu entry of the window, by its object name.
QAction* Entry(const RosterWindow& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

// The view menu's ticks: "x...." when the first mode is ticked.
QString Ticks(const RosterWindow& window)
{
    QString marks;
    for (const char* mode : {"viewStandard", "viewDoctor", "viewShared", "viewBlank",
                             "viewUnavailable", "viewAbsences"})
        marks.append(Entry(window, mode)->isChecked() ? 'x' : '.');
    return marks;
}

// The view menu's entry of a text.
QAction* ViewEntry(const RosterWindow& window, const QString& text)
{
    const QList<QAction*> entries = window.findChild<QMenu*>("viewMenu")->actions();
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

} // namespace

class TestRosterWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    ScriptedInteraction ui_;
    int untitled_ = 0;

    std::unique_ptr<RosterWindow> open(const QString& work, const QString& filePath = {})
    {
        auto document = std::make_unique<RosterDocument>(ui_);
        if (!document->openFile(MakeWorkingCopy(work), filePath, untitled_))
            return nullptr;
        return std::make_unique<RosterWindow>(
            std::make_unique<RosterSession>(ui_, std::move(document)));
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
        QCOMPARE(window->session().statusDay(), QStringLiteral("dimanche 01 janvier"));
        // 53 Saturdays, 52 Sundays, and 7 holidays from Monday to Friday in 2011.
        QCOMPARE(HighlightedDays(*open(CreateBlankRoster(2011))).size(), 53 + 52 + 7);
        // Without participants the doctor mode is refused: the mode stays ticked.
        Entry(*window, "viewDoctor")->trigger();
        QCOMPARE(Ticks(*window), u"x....."_s);
        QCOMPARE(ui_.texts(), QStringList{"Votre liste de participants est vide.\r\nAjoutez des "
                                          "participants avant d'utiliser cette fonction."});
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
        QCOMPARE(window->session().statusDuty(), name);
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
        window->addActions(window->findChild<QMenu*>("viewMenu")->actions());
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
        first->session().document().addParticipant(u"Dr Chevalier"_s);
        first->session().document().assignDay(day, u"Dr Chevalier"_s);
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
        QCOMPARE(first->session().statusDay(), u"vendredi 01 juillet"_s);
        std::unique_ptr<RosterWindow> second = open(CreateMarchRoster());
        QVERIFY(second->grid()->isColumnHidden(0) && !second->grid()->isColumnHidden(12));
        QVERIFY(ViewEntry(*second, u"&2e semestre"_s)->isChecked());
        QCOMPARE(second->session().statusDay(), first->session().statusDay());
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
        QVERIFY(window->findChild<QMenu*>("dutyMenu")->isEnabled());

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
    // lists the participants in table order and follows the current day; the grid carries
    // the session's alerts.
    void dayCommandsShowOnTheGrid()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        RosterGrid* grid = window->grid();
        QMenu* duty = window->findChild<QMenu*>("dutyMenu");
        QMenu* doctors = window->findChild<QMenu*>("doctorMenu");
        QCOMPARE(doctors->actions().first()->text(), u"B"_s);
        grid->setCurrentGridCell(30, 3); // 30 February
        QVERIFY(!duty->isEnabled());
        grid->setCurrentGridCell(1, 5);
        QVERIFY(duty->isEnabled());

        ui_.shares = {QList<SharedInterval>{{"A", 0, 6}, {"B", 6, 24}}};
        Entry(*window, "share")->trigger();
        QCOMPARE(grid->toolTipOf(QDate(2011, 3, 1)), u"A 08:00–14:00, B 14:00–08:00"_s);
        window->session().document().undoStack().undo();
        QCOMPARE(grid->cellText(1, 5), u"A"_s);

        const QDate saturday(2011, 3, 5);
        grid->setCurrentGridCell(5, 5);
        QVERIFY(grid->isHighlighted(saturday));
        ui_.dayProperties = {DayProperties{DayType::Weekday, true}};
        Entry(*window, "dayProperties")->trigger();
        QVERIFY(!grid->isHighlighted(saturday));
        Entry(*window, "viewUnavailable")->trigger();
        QVERIFY(grid->isHighlighted(saturday));
        Entry(*window, "keepDay")->trigger();
        QVERIFY(grid->isKept(saturday) && Entry(*window, "keepDay")->isChecked());
        ui_.answers = {AnswerYes};
        Entry(*window, "clearUnavailableDays")->trigger();
        QVERIFY(!grid->isHighlighted(saturday));

        ui_.participantsToAdd = {NewParticipant{"C", {}}};
        Entry(*window, "addParticipant")->trigger();
        QCOMPARE(doctors->actions().size(), 3);
        doctors->actions().at(2)->trigger();
        QCOMPARE(grid->cellText(5, 5), u"C"_s);
        for (QDate day(2011, 1, 1); day.year() == 2011; day = day.addDays(1))
            QCOMPARE(grid->alerts(day), window->session().alertTexts(day));
    }

    // An exchange of two weekends is rechecked at once, and the verification window shows every
    // alert of the year as it then stands, the alert chosen still chosen; Entrée goes to its day.
    void theVerificationFollowsAnExchange()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        for (const int day : {4, 5, 6, 12, 13})
            window->session().document().assignDay(QDate(2011, 3, day), day < 12 ? u"A"_s : u"B"_s);
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
        const RosterAlerts& alerts = window->session().alerts();
        QSignalSpy rechecks(&alerts, &RosterAlerts::changed);
        ui_.swapChoices = {0};
        window->session().proposeSwaps(alerts.of(QDate(2011, 3, 5)).constFirst());
        QCOMPARE(ui_.swapProposals.first().first(), u"B, du samedi 12 mars au dimanche 13 mars"_s);
        QCOMPARE(rechecks.size(), 1);
        QStringList expected;
        for (const RuleAlert& alert : alerts.all())
            expected.append(QLocale(QLocale::French).toString(alert.day, "ddd d MMMM") + "|" +
                            alert.text);
        QCOMPARE(rows(), expected);
        QVERIFY(!rows().contains(fixed));
        QCOMPARE(rows().at(list->indexOfTopLevelItem(list->currentItem())), kept);
        // Entrée goes to the alert's day and proposes nothing.
        const QStringList told = ui_.texts();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(window->session().currentDay(),
                 alerts.all().at(list->indexOfTopLevelItem(list->currentItem())).day);
        QCOMPARE(ui_.swapProposals.size(), 1);
        QCOMPARE(ui_.texts(), told);
    }

    // The swap takes its other day from a click on the grid and describes both days as the
    // roster changes; a renamed or removed participant shows on the grid and in the doctor
    // menu, which ticks whoever holds the current day.
    void swapRenameAndRemove()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        RosterDocument& document = window->session().document();
        RosterGrid* grid = window->grid();
        const QMenu* doctors = window->findChild<QMenu*>("doctorMenu");
        const auto ticked = [doctors] {
            QStringList names;
            for (const QAction* entry : doctors->actions())
                names.append(entry->isChecked() ? entry->text() : u"-"_s);
            return names;
        };
        grid->setCurrentGridCell(1, 5);
        QCOMPARE(ticked(), (QStringList{"-", "A"}));
        Entry(*window, "swap")->trigger();
        grid->setCurrentGridCell(3, 5);
        document.assignDay(QDate(2011, 3, 3), u"B"_s);
        QCOMPARE(window->swapDialog()->otherSide(), u"B, jeudi 3 mars"_s);
        document.undoStack().undo();
        QCOMPARE(window->swapDialog()->otherSide(), u"Personne, jeudi 3 mars"_s);
        ButtonCalled(*window->swapDialog(), u"É&changer"_s)->click();
        QCOMPARE(grid->cellText(1, 5), QString());
        QCOMPARE(grid->cellText(3, 5), u"A"_s);
        QCOMPARE(ticked(), (QStringList{"-", "A"}));

        ui_.renamings = {Renaming{u"A"_s, u"Dr Alain"_s}};
        Entry(*window, "renameParticipant")->trigger();
        QCOMPARE(grid->cellText(3, 5), u"Dr Alain"_s);
        QCOMPARE(ticked(), (QStringList{"-", "Dr Alain"}));
        ui_.removals = {Removal{u"Dr Alain"_s, {}, LeftDuties::Kept}};
        Entry(*window, "removeParticipant")->trigger();
        QCOMPARE(ticked(), QStringList{"-"});
        QVERIFY(grid->alerts(QDate(2011, 3, 3))
                    .contains(u"Dr Alain ne figure pas dans la liste des participants"_s));
        ui_.sectorNames = {SectorName{"Haute Vallée", false}};
        Entry(*window, "nameSector")->trigger();
        QCOMPARE(window->sectorText(), u"Haute Vallée"_s);
    }

    // "Corriger les alertes" computes beside the window: "Arrêter" ends the search, "Fermer"
    // changes nothing; over March, "Appliquer" makes the correction it shows one edit.
    void correctingTheAlerts()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        RosterDocument& document = window->session().document();
        QVERIFY(document.assignDay(QDate(2011, 3, 3), u"A"_s));
        const QStringList before = Rows(document.roster().database());
        for (const bool applied : {false, true}) {
            Entry(*window, "repair")->trigger();
            auto* repair = window->findChild<RepairDialog*>();
            QSignalSpy calculated(repair, &RepairDialog::calculated);
            if (applied) {
                const QList<YearDateField*> period = repair->findChildren<YearDateField*>();
                period.at(0)->setDate(QDate(2011, 3, 1));
                period.at(1)->setDate(QDate(2011, 3, 31));
            }
            ButtonCalled(*repair, u"&Calculer"_s)->click();
            QVERIFY(repair->isCalculating());
            if (!applied)
                ButtonCalled(*repair, u"A&rrêter"_s)->click();
            QVERIFY(calculated.wait(30000));
            QCOMPARE(repair->proposal().status == SolveResult::Status::ProvenBest, applied);
            QCOMPARE(repair->changes()->topLevelItemCount(), repair->proposal().after.size());
            ButtonCalled(*repair, applied ? u"A&ppliquer"_s : u"&Fermer"_s)->click();
            QCOMPARE(Rows(document.roster().database()) == before, !applied);
        }
        QVERIFY(document.undoStack().undoText().startsWith(u"Corriger les alertes ("_s));
    }

    // The differences with another copy follow the roster's edits; Entrée goes to a day, and
    // the days chosen are taken from the copy.
    void comparingWithAnotherCopy()
    {
        const QString copy = CreateMarchRoster();
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        RosterDocument& document = window->session().document();
        for (const int day : {3, 7, 9})
            QVERIFY(document.assignDay(QDate(2011, 3, day), u"B"_s));
        ui_.filesToOpen = {copy};
        Entry(*window, "compare")->trigger();
        auto* differences = window->findChild<DifferencesWindow*>();
        QVERIFY(differences);
        QCOMPARE(differences->windowTitle(),
                 u"Différences avec %1"_s.arg(QFileInfo(copy).completeBaseName()));
        QCOMPARE(differences->countText(), u"3 jours diffèrent."_s);
        QTreeWidget* days = differences->days();
        QCOMPARE(days->topLevelItem(0)->text(0), u"jeu. 3 mars"_s);
        QCOMPARE(days->topLevelItem(0)->text(1), u"(personne)"_s);
        QCOMPARE(days->topLevelItem(0)->text(2), u"B"_s);

        days->setCurrentItem(days->topLevelItem(1));
        days->setFocus();
        QTest::keyClick(days, Qt::Key_Return);
        QCOMPARE(window->session().currentDay(), QDate(2011, 3, 7));

        days->topLevelItem(0)->setSelected(true);
        days->topLevelItem(2)->setSelected(true);
        days->topLevelItem(1)->setSelected(false);
        ButtonCalled(*differences, u"Reprendre tous les jours choisis"_s)->click();
        QCOMPARE(differences->countText(), u"1 jour diffère."_s);
        QCOMPARE(document.roster().day(QDate(2011, 3, 9))->doctor, QString());
        QVERIFY(document.undo());
        QCOMPARE(differences->countText(), u"3 jours diffèrent."_s);
        QVERIFY(document.setSector(u"Ubaye"_s));
        QCOMPARE(differences->others()->item(0)->text(), u"Secteur : « Secteur » → « Ubaye »"_s);
    }

    // The journal lists the edits newest first, follows the history, and filters by participant
    // and by month; another program's journal is said to be unreadable.
    void theJournalWindow()
    {
        std::unique_ptr<RosterWindow> window = open(CreateMarchRoster());
        RosterDocument& document = window->session().document();
        QVERIFY(document.assignDay(QDate(2011, 3, 3), u"B"_s));
        Entry(*window, "journal")->trigger();
        auto* journal = window->findChild<JournalWindow*>();
        QTreeWidget* list = journal->list();
        QCOMPARE(journal->stateText(), u"1 modification."_s);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-60);
        QVERIFY(document.assignDay(QDate(2011, 3, 9), u"A"_s));
        QCOMPARE(journal->stateText(), u"2 modifications."_s);
        QCOMPARE(list->topLevelItem(0)->text(2), document.undoStack().undoText());
        const QDateTime shown =
            QDateTime::fromString(list->topLevelItem(0)->text(0), u"dd/MM/yyyy HH:mm"_s);
        QVERIFY(shown >= before && shown <= QDateTime::currentDateTime());

        journal->participant()->setCurrentText(u"B"_s);
        QCOMPARE(journal->stateText(), u"1 modification."_s);
        journal->participant()->setCurrentIndex(0);
        const int otherMonth = QDate::currentDate().month() % 12 + 1;
        journal->month()->setCurrentIndex(otherMonth);
        QCOMPARE(journal->stateText(), u"Aucune modification."_s);
        journal->month()->setCurrentIndex(0);
        QVERIFY(document.undo());
        QCOMPARE(journal->stateText(), u"1 modification."_s);
        QVERIFY(document.renameParticipant(u"B"_s, u"Dr B"_s));
        QVERIFY(journal->participant()->findText(u"Dr B"_s) > 0);

        const QString foreign = CreateMarchRoster();
        {
            const std::unique_ptr<RosterDatabase> db = RosterDatabase::open(foreign);
            db->execute("DROP TABLE [Journal]");
            db->execute("CREATE TABLE [Journal] ([Texte] BLOB)");
        }
        std::unique_ptr<RosterWindow> other = open(foreign);
        Entry(*other, "journal")->trigger();
        QCOMPARE(other->findChild<JournalWindow*>()->stateText(),
                 u"Le journal des modifications de ce fichier ne peut pas être lu."_s);

        // Another program's journal, even one the window can read, is left as it is.
        const QString readable = CreateMarchRoster();
        {
            const std::unique_ptr<RosterDatabase> db = RosterDatabase::open(readable);
            db->execute("DROP TABLE [Journal]");
            db->execute("CREATE TABLE [Journal] ([Quand] TEXT, [Utilisateur] TEXT, "
                        "[Modification] TEXT, [Note] TEXT)");
            db->execute("INSERT INTO [Journal] VALUES ('2011-01-01T10:00:00Z', 'x', 'y', 'z')");
        }
        std::unique_ptr<RosterWindow> third = open(readable);
        RosterDocument& thirdDocument = third->session().document();
        QVERIFY(thirdDocument.assignDay(QDate(2011, 3, 3), u"B"_s));
        QVERIFY(thirdDocument.assignDay(QDate(2011, 3, 4), u"B"_s));
        QVERIFY(thirdDocument.undo());
        QCOMPARE(third->session().journal()->size(), 1);
    }

    // The edit menu names what it undoes and redoes, a name's "&" shown as typed; the caption
    // loses its marker back at the saved point.
    void undoMenu()
    {
        const QString path = env_->tempPath() + "/Mars.dat";
        QFile::rename(CreateMarchRoster(), path);
        std::unique_ptr<RosterWindow> window = open(path, path);
        QAction* undo = Entry(*window, "undo");
        QAction* redo = Entry(*window, "redo");
        QCOMPARE(window->findChild<QMenu*>("editMenu")->title(), u"É&dition"_s);
        QCOMPARE(undo->text(), u"&Annuler"_s);
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence(u"Ctrl+Z"_s));
        QCOMPARE(redo->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(u"Ctrl+Y"_s), QKeySequence(u"Ctrl+Shift+Z"_s)}));
        window->session().document().addParticipant("Dr Martin & fils");
        QCOMPARE(undo->text(), u"&Annuler : Ajouter le participant Dr Martin && fils"_s);
        QVERIFY(undo->isEnabled() && window->isWindowModified());
        undo->trigger();
        QVERIFY(!window->isWindowModified());
        QCOMPARE(redo->text(), u"&Rétablir : Ajouter le participant Dr Martin && fils"_s);
        QCOMPARE(undo->text(), u"&Annuler"_s);
    }
};

QTEST_MAIN(TestRosterWindow)
#include "tst_rosterwindow.moc"
