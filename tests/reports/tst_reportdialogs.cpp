#include "AppSettings.h"
#include "ColourSettingsDialog.h"
#include "DutyListDialog.h"
#include "PrintSetupDialog.h"
#include "RosterPrintDialog.h"
#include "ScriptedInteraction.h"
#include "StatisticsDialog.h"
#include "TestEnvironment.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
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

    // The list box only with shared intervals; a hidden box ticked is no page.
    void rosterPrintNeedsAPage_data()
    {
        QTest::addColumn<bool>("shared");
        QTest::addColumn<bool>("listTicked");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("no shared interval") << false << true << false;
        QTest::newRow("shared list ticked") << true << true << true;
        QTest::newRow("nothing ticked") << true << false << false;
    }

    void rosterPrintNeedsAPage()
    {
        QFETCH(bool, shared);
        QFETCH(bool, listTicked);
        QFETCH(bool, accepted);
        ScriptedInteraction ui;
        RosterPrintDialog dialog(ui, {u"2012"_s, shared}, nullptr);
        QCOMPARE(dialog.windowTitle(), u"Impression du tableau de garde 2012"_s);
        QCOMPARE(dialog.pageBox(2)->isHidden(), !shared);
        dialog.pageBox(0)->setChecked(false);
        dialog.pageBox(1)->setChecked(false);
        dialog.pageBox(2)->setChecked(listTicked);

        Button(dialog, u"&Imprimer"_s)->click();

        QCOMPARE(dialog.result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(ui.texts(),
                 accepted ? QStringList() : QStringList{"Indiquez au moins une page à imprimer."});
        if (!accepted)
            QCOMPARE(ui.shown.first().icon, MessageIcon::Warning);
        else
            QVERIFY(dialog.request().sharedList && !dialog.request().firstHalf);
    }

    void rosterPrintSetsUpItsPrinterOnA4Landscape()
    {
        ScriptedInteraction ui;
        PrintChoice chosen;
        chosen.printerName = u"Couloir"_s;
        ui.printChoices = {chosen};
        RosterPrintDialog dialog(ui, {u"2012"_s, false}, nullptr);
        Button(dialog, u"&Configurer l'imprimante"_s)->click();
        QCOMPARE(ui.printPresets.first().landscape, std::optional<bool>(true));
        QCOMPARE(ui.printPresets.first().paperMm, std::optional<QSizeF>(QSizeF(210, 297)));
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel* label) { return label->text() == u"Couloir"_s; }));
        Button(dialog, u"Enregistrer en &PDF"_s)->click();
        QCOMPARE(dialog.request().output, RosterPrintRequest::Output::Pdf);
        QCOMPARE(dialog.request().printer->printerName, u"Couloir"_s);
    }

    // The background button waits for "Fond coloré"; "&Enregistrer" for a change, and writes
    // the settings; the preview shows the colour chosen.
    void colourDialog()
    {
        TestEnvironment env;
        QList<QColor> offered;
        ColourSettingsDialog dialog(
            PrintColours(),
            [&](QColor current, QWidget*) -> std::optional<QColor> {
                offered.append(current);
                return QColor(Qt::red);
            },
            nullptr);
        QCOMPARE(dialog.windowTitle(), u"Aperçu de l'impression"_s);
        QPushButton* weekBackground = Button(dialog, u"Changer la &couleur du fond"_s);
        QPushButton* save = Button(dialog, u"&Enregistrer"_s);
        QVERIFY(!weekBackground->isEnabled() && !save->isEnabled());
        QVERIFY(Button(dialog, u"Changer la c&ouleur du fond"_s)->isEnabled());
        QVERIFY(Button(dialog, u"Changer la couleur du t&exte"_s) &&
                Button(dialog, u"Changer la couleur du &texte"_s));
        const auto hasRed = [&] {
            const QImage& image = dialog.preview();
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixelColor(x, y) == QColor(Qt::red))
                        return true;
                }
            }
            return false;
        };
        QVERIFY(!hasRed());

        Button(dialog, u"Changer la c&ouleur du fond"_s)->click();

        QCOMPARE(offered, QList<QColor>{QColor(0xC0, 0xC0, 0xC0)});
        QVERIFY(save->isEnabled() && hasRed());
        QVERIFY(OpenAppSettings()->value("Printing/Color0").isNull());
        save->click();
        QCOMPARE(OpenAppSettings()->value("Printing/Color0").toString(), u"255"_s);
        QVERIFY(!save->isEnabled());
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
