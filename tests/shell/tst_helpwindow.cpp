#include "DialogTesting.h"
#include "reports/dialogs/FairnessView.h"
#include "reports/dialogs/StatisticsDialog.h"
#include "roster_window/AbsencesDialog.h"
#include "roster_window/RulesDialog.h"
#include "roster_window/SwapDialog.h"
#include "shell/Help.h"
#include "shell/HelpWindow.h"

#include <QDialog>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

HelpWindow* SharedHelp()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(window))
            return help;
    }
    return nullptr;
}

// The anchor of the text at the top of the view; empty for the manual's title.
QString AnchorInView(const QWidget* help)
{
    const QTextBlock top =
        help->findChild<QTextBrowser*>()->cursorForPosition(QPoint(1, 1)).block();
    return top.begin().fragment().charFormat().anchorNames().value(0);
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { delete SharedHelp(); }

    void opensAtTheSection_data()
    {
        QTest::addColumn<QString>("section"); // empty: the start
        QTest::newRow("chapter") << u"grille"_s;
        QTest::newRow("near the end") << u"agenda"_s;
        QTest::newRow("back to the start") << QString();
    }

    // The manual is read from inside the program, at the section asked for.
    void opensAtTheSection()
    {
        QFETCH(QString, section);
        OpenHelp(section);
        HelpWindow* help = SharedHelp();
        QVERIFY(help && QTest::qWaitForWindowExposed(help));
        QCOMPARE(help->windowTitle(), u"Aide de Rotalis"_s);
        QVERIFY(help->findChild<QTextBrowser*>()->documentTitle().contains(u"Rotalis"_s));
        QVERIFY(help->findChild<QTreeWidget*>()->topLevelItemCount() > 0);
        QCOMPARE(AnchorInView(help), section);
        // Whole on the screen, with room for its title bar.
        const QRect screen = help->screen()->availableGeometry();
        QVERIFY(help->width() <= screen.width() - 40 && help->height() <= screen.height() - 100);
    }

    // Every link leads within the manual. A link followed can be gone back on, then forward
    // again; Enter finds the first occurrence of a text, F3 the next one.
    void browsingTheManual()
    {
        HelpWindow help;
        auto* browser = help.findChild<QTextBrowser*>();
        QStringList anchors;
        QStringList links;
        for (QTextBlock block = browser->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                anchors += it.fragment().charFormat().anchorNames();
                links += it.fragment().charFormat().anchorHref();
            }
        }
        for (const QString& link : std::as_const(links))
            QVERIFY2(link.isEmpty() || anchors.contains(link.mid(1)), qPrintable(link));

        QVERIFY(ShowActive(help));
        QPushButton* back = ButtonCalled(help, u"&Précédent"_s);
        QPushButton* forward = ButtonCalled(help, u"&Suivant"_s);
        QVERIFY(back && forward && !back->isEnabled() && !forward->isEnabled());
        QTextCursor link = browser->document()->find(u"Exporter"_s); // in the manual's contents
        link.movePosition(QTextCursor::Left);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                          browser->cursorRect(link).center());
        QCOMPARE(AnchorInView(&help), u"exporter"_s);
        QVERIFY(back->isEnabled() && !forward->isEnabled());
        back->click();
        QCOMPARE(AnchorInView(&help), QString());
        QVERIFY(!back->isEnabled() && forward->isEnabled());

        QTest::keyClick(&help, Qt::Key_R, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), u"astreintes"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QTextCursor first = browser->textCursor();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
        QCOMPARE(first.selectedText(), u"astreintes"_s);
        QCOMPARE(browser->textCursor().selectedText(), u"astreintes"_s);
        QVERIFY(browser->textCursor().position() > first.position());
        QTest::keyClicks(QApplication::focusWidget(), u"xyz"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(std::ranges::any_of(help.findChildren<QLabel*>(), [](const QLabel* label) {
            return label->text() == u"Aucun résultat"_s;
        }));
    }

    // F1 in a window opens the manual at the window's section; in the statistics, at the
    // section of the tab shown.
    void f1OpensTheWindowsSection_data()
    {
        QTest::addColumn<std::function<QDialog*()>>("make");
        QTest::addColumn<QString>("section");
        using Make = std::function<QDialog*()>;
        QTest::newRow("rules") << Make([] { return new RulesDialog(RosterRules{}, nullptr); })
                               << u"regles"_s;
        QTest::newRow("absences") << Make([] {
            return new AbsencesDialog(
                {2027, QDate(2027, 1, 1), {"A"}, [] { return QList<Absence>{}; }, {}, {}, {}, {}},
                nullptr);
        }) << u"absences"_s;
        QTest::newRow("swap") << Make([] {
            return new SwapDialog(
                QDate(2027, 3, 1), [](QDate) { return QString(); }, nullptr);
        }) << u"echanger"_s;
        for (const bool fairness : {false, true})
            QTest::addRow("statistics, %s tab", fairness ? "fairness" : "first")
                << Make([fairness] {
                       auto* dialog = new StatisticsDialog(StatisticsReport{}, nullptr);
                       if (fairness)
                           dialog->tabs()->setCurrentWidget(dialog->fairness());
                       return dialog;
                   })
                << (fairness ? u"equite"_s : u"statistiques"_s);
    }

    void f1OpensTheWindowsSection()
    {
        QFETCH(std::function<QDialog*()>, make);
        QFETCH(QString, section);
        RouteHelpKey();
        const std::unique_ptr<QDialog> window(make());
        QVERIFY(ShowActive(*window));
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), Qt::Key_F1);
        QVERIFY(SharedHelp() && SharedHelp()->isVisible());
        QCOMPARE(AnchorInView(SharedHelp()), section);
        SharedHelp()->close();
    }

    // Above a dialog in progress, the help is not blocked by it; alone, it blocks nothing.
    void opensAboveADialogInProgress()
    {
        QDialog dialog;
        dialog.setModal(true);
        dialog.show();
        OpenHelp();
        QCOMPARE(QApplication::activeModalWidget(), SharedHelp());
        SharedHelp()->close();
        dialog.close();
        OpenHelp();
        QVERIFY(!SharedHelp()->isModal());
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
