#include "DialogTesting.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "reports/dialogs/AdministrativeDataDialog.h"
#include "reports/dialogs/ColourSettingsDialog.h"
#include "reports/dialogs/DutyListDialog.h"
#include "reports/dialogs/EditAdministrativeDataDialog.h"
#include "reports/dialogs/OnCallDialog.h"
#include "reports/dialogs/PrintSetupDialog.h"
#include "reports/dialogs/RosterPrintDialog.h"
#include "reports/dialogs/StatisticsDialog.h"
#include "store/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

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
        ButtonCalled(dialog, u"&Détails"_s)->click();
        table->setCurrentItem(table->topLevelItem(1));
        ButtonCalled(dialog, u"&Détails"_s)->click();
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

    // It chooses a printer and prints nothing: its confirm button says so.
    void printSetupConfirmsWithOk()
    {
        QString confirm;
        QTimer::singleShot(0, [&confirm] {
            QWidget* shown = QApplication::activeModalWidget();
            for (QDialogButtonBox* buttons : shown->findChildren<QDialogButtonBox*>())
                confirm = buttons->button(QDialogButtonBox::Ok)->text();
            shown->close();
        });
        QVERIFY(!PrintSetupDialog(nullptr).showPrinter());
        QCOMPARE(confirm, u"OK"_s);
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
        RosterPrintDialog dialog(ui, {u"2012"_s, shared, {}}, nullptr);
        QCOMPARE(dialog.windowTitle(), u"Impression du tableau de garde 2012"_s);
        QCOMPARE(dialog.pageBox(2)->isHidden(), !shared);
        dialog.pageBox(0)->setChecked(false);
        dialog.pageBox(1)->setChecked(false);
        dialog.pageBox(2)->setChecked(listTicked);

        ButtonCalled(dialog, u"&Imprimer"_s)->click();

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
        RosterPrintDialog dialog(ui, {u"2012"_s, false, {}}, nullptr);
        ButtonCalled(dialog, u"&Configurer l'imprimante"_s)->click();
        QCOMPARE(ui.printPresets.first().landscape, std::optional<bool>(true));
        QCOMPARE(ui.printPresets.first().paperMm, std::optional<QSizeF>(QSizeF(210, 297)));
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel* label) { return label->text() == u"Couloir"_s; }));
        ButtonCalled(dialog, u"Enregistrer en &PDF"_s)->click();
        QCOMPARE(dialog.request().output, PrintOutput::Pdf);
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
        QPushButton* weekBackground = ButtonCalled(dialog, u"Changer la &couleur du fond"_s);
        QPushButton* save = ButtonCalled(dialog, u"&Enregistrer"_s);
        QVERIFY(!weekBackground->isEnabled() && !save->isEnabled());
        QVERIFY(ButtonCalled(dialog, u"Changer la c&ouleur du fond"_s)->isEnabled());
        QVERIFY(ButtonCalled(dialog, u"Changer la couleur du t&exte"_s) &&
                ButtonCalled(dialog, u"Changer la couleur du &texte"_s));
        const auto hasRed = [&] {
            const QImage image = dialog.preview().convertToFormat(QImage::Format_RGB32);
            const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
            return std::count(pixels, pixels + image.width() * image.height(), qRgb(255, 0, 0)) > 0;
        };
        QVERIFY(!hasRed());

        ButtonCalled(dialog, u"Changer la c&ouleur du fond"_s)->click();

        QCOMPARE(offered, QList<QColor>{QColor(0xC0, 0xC0, 0xC0)});
        QVERIFY(save->isEnabled() && hasRed());
        QVERIFY(OpenAppSettings()->value("Printing/Color0").isNull());
        save->click();
        QCOMPARE(OpenAppSettings()->value("Printing/Color0").toString(), u"255"_s);
        QVERIFY(!save->isEnabled());
    }

    // The full name offered is the participant's name when he has none; "&Enregistrer" waits
    // for a change; each field takes at most what the roster file holds.
    void editingAParticipantsData()
    {
        EditAdministrativeDataDialog dialog({u"B"_s, {}, {}, {}, {}, {}}, nullptr);
        QCOMPARE(dialog.windowTitle(), u"Etat-civil"_s);
        const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
        QCOMPARE(fields.size(), 5);
        QCOMPARE(fields.first()->text(), u"B"_s);
        QList<int> lengths;
        for (const QLineEdit* field : fields)
            lengths.append(field->maxLength());
        QCOMPARE(lengths, (QList<int>{50, 25, 50, 7, 25}));
        QPushButton* save = ButtonCalled(dialog, u"&Enregistrer"_s);
        QVERIFY(!save->isEnabled());
        QTest::keyClicks(fields.at(3), "04400");
        QVERIFY(save->isEnabled());
        QCOMPARE(dialog.data().postalCode, u"04400"_s);
        QCOMPARE(dialog.data().civilName, u"B"_s);
        // The user came to type: the first field has the focus.
        QVERIFY(ShowActive(dialog));
        QCOMPARE(QApplication::focusWidget(), fields.first());
    }

    // A saved change refreshes its row; a failed one leaves it.
    void administrativeDataList()
    {
        QList<qsizetype> saved;
        bool writable = true;
        AdministrativeDataDialog dialog({{{u"A"_s, u"Dr Anne Aubert"_s, u"04 1"_s, u"2 place"_s,
                                           u"04400"_s, u"Barcelonnette"_s},
                                          {u"B"_s, {}, {}, {}, {}, {}}},
                                         [&](qsizetype index, const AdministrativeData&) {
                                             saved.append(index);
                                             return writable;
                                         }},
                                        nullptr);
        QTreeWidget* list = dialog.list();
        QCOMPARE(list->headerItem()->text(1), u"N° Identification"_s);
        QCOMPARE(list->currentItem(), list->topLevelItem(0));
        QCOMPARE(list->topLevelItem(0)->text(3), u"04400 Barcelonnette"_s);
        QCOMPARE(list->topLevelItem(1)->text(0), u"B"_s);
        list->setCurrentItem(list->topLevelItem(1));
        const auto editor =
            [](const AdministrativeData& data) -> std::optional<AdministrativeData> {
            AdministrativeData edited = data;
            edited.civilName = u"Dr Bernard"_s;
            return edited;
        };
        writable = false;
        dialog.editSelected(editor);
        QCOMPARE(list->topLevelItem(1)->text(0), u"B"_s);
        writable = true;
        dialog.editSelected(editor);
        QCOMPARE(list->topLevelItem(1)->text(0), u"Dr Bernard"_s);
        QCOMPARE(saved, (QList<qsizetype>{1, 1}));
    }

    void onCallDialog()
    {
        ScriptedInteraction ui;
        int edits = 0;
        OnCallDialog dialog(ui, {[&] { ++edits; }, {}}, nullptr);
        QCOMPARE(dialog.windowTitle(), u"Impression du tableau mensuel des astreintes"_s);
        QCOMPARE(dialog.months()->count(), 12);
        QCOMPARE(dialog.months()->itemText(11), u"Décembre"_s);
        ButtonCalled(dialog, u"&Editer les données administratives"_s)->click();
        QCOMPARE(edits, 1);
        dialog.months()->setCurrentIndex(3);
        ButtonCalled(dialog, u"&Imprimer"_s)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.request().month, 4);
        QCOMPARE(dialog.request().output, PrintOutput::Printer);
        // Back from a preview, the month is still chosen.
        OnCallDialog again(ui, {{}, dialog.request()}, nullptr);
        QCOMPARE(again.months()->currentIndex(), 3);
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
            QCOMPARE(ButtonCalled(dialog, caption)->isEnabled(), !empty);
        QVERIFY(ButtonCalled(dialog, u"&Fermer"_s)->isEnabled());
        ButtonCalled(dialog, u"&Imprimer"_s)->click();
        QCOMPARE(printed, empty ? 0 : 1);
    }
};

QTEST_MAIN(TestReportDialogs)
#include "tst_reportdialogs.moc"
