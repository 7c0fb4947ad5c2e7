#include "DutyListDialog.h"
#include "PrintSetupDialog.h"
#include "StatisticsDialog.h"

#include <QDialogButtonBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

QPushButton* Button(const QDialog& dialog, const QString& caption)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

} // namespace

class TestReportDialogs : public QObject {
    Q_OBJECT

private slots:
    // The first row starts selected; "&Détails" opens the selected participant's list.
    void statisticsWindowShowsTheCounts()
    {
        QStringList detailed;
        StatisticsReport report{u"Statistiques du tour de garde 2011"_s,
                                {{"A", {3, 0, 2}, {0, 0, 1}}, {"B", {0, 1, 0}, {0, 0, 0}}},
                                {},
                                [&](const QString& doctor) { detailed.append(doctor); }};
        StatisticsDialog dialog(report, nullptr);

        QCOMPARE(dialog.windowTitle(), report.title);
        QTreeWidget* table = dialog.table();
        QCOMPARE(table->headerItem()->text(3), u"Dimanches et fériés"_s);
        QCOMPARE(table->topLevelItem(0)->text(3), u"2 dont 1 partagé(s)"_s);
        QCOMPARE(table->topLevelItem(1)->text(1), QString());
        Button(dialog, u"&Détails"_s)->click();
        table->setCurrentItem(table->topLevelItem(1));
        Button(dialog, u"&Détails"_s)->click();
        QCOMPARE(detailed, (QStringList{"A", "B"}));
    }

    // cPrintDlg opens on the default printer with the preset written into it.
    void printSetupTakesThePreset()
    {
        PrintSetupDialog setup(nullptr);
        setup.setOrientation(true);
        setup.setPaperSize({148, 210});
        const PrintChoice choice = setup.choice();
        QVERIFY(choice.landscape);
        QCOMPARE(choice.paperMm.toSize(), QSize(148, 210));
        QCOMPARE(choice.printerName, QPrinterInfo::defaultPrinterName());
    }

    void emptyDutyListCannotBePrinted_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::newRow("empty") << true;
        QTest::newRow("one day") << false;
    }

    void emptyDutyListCannotBePrinted()
    {
        QFETCH(bool, empty);
        int printed = 0;
        DutyListReport report{u"Garde 2011 - A"_s, {}, {[&] { ++printed; }, [] {}, [] {}}};
        if (!empty)
            report.rows = {{QDate(2011, 3, 7), std::nullopt, std::nullopt}};
        DutyListDialog dialog(report, nullptr);

        for (const QString& caption :
             {u"&Imprimer"_s, u"&Aperçu avant impression"_s, u"Enregistrer en &PDF"_s})
            QCOMPARE(Button(dialog, caption)->isEnabled(), !empty);
        QVERIFY(Button(dialog, u"&Fermer"_s)->isEnabled());
        Button(dialog, u"&Imprimer"_s)->click();
        QCOMPARE(printed, empty ? 0 : 1);
    }
};

QTEST_MAIN(TestReportDialogs)
#include "tst_reportdialogs.moc"
