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
        StatisticsReport report;
        report.lines = {{"A", {3, 0, 2}, {0, 0, 1}}, {"B", {0, 1, 0}, {0, 0, 0}}};
        report.showDetails = [&](const QString& doctor) { detailed.append(doctor); };
        StatisticsDialog dialog(report, nullptr);
        QCOMPARE(dialog.table()->topLevelItem(0)->text(3), u"2 dont 1 partagé(s)"_s);
        ButtonCalled(dialog, u"&Détails"_s)->click();
        dialog.table()->setCurrentItem(dialog.table()->topLevelItem(1));
        ButtonCalled(dialog, u"&Détails"_s)->click();
        QCOMPARE(detailed, (QStringList{"A", "B"}));
    }

    // It chooses a printer and prints nothing: its confirm button says so.
    void printSetupConfirmsWithOk()
    {
        QString confirm;
        QTimer::singleShot(0, [&confirm] {
            QWidget* shown = QApplication::activeModalWidget();
            confirm = shown->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
            shown->close();
        });
        QVERIFY(!PrintSetupDialog(nullptr).showPrinter());
        QCOMPARE(confirm, u"OK"_s);
    }

    // The list box only with shared intervals; a hidden box ticked is no page. The table prints
    // on A4 landscape only: the printer set-up opens so.
    void rosterPrintDialog_data()
    {
        QTest::addColumn<bool>("shared");
        QTest::addColumn<bool>("listTicked");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("no shared interval") << false << true << false;
        QTest::newRow("shared list ticked") << true << true << true;
        QTest::newRow("nothing ticked") << true << false << false;
    }

    void rosterPrintDialog()
    {
        QFETCH(bool, shared);
        QFETCH(bool, listTicked);
        QFETCH(bool, accepted);
        ScriptedInteraction ui;
        ui.printChoices = {PrintChoice{u"Couloir"_s, {}, false, {}, {}, 0, 0, 1}};
        RosterPrintDialog dialog(ui, {u"2012"_s, shared, {}}, nullptr);
        QCOMPARE(dialog.windowTitle(), u"Impression du tableau de garde 2012"_s);
        QCOMPARE(dialog.pageBox(2)->isHidden(), !shared);
        ButtonCalled(dialog, u"&Configurer l'imprimante"_s)->click();
        QCOMPARE(ui.printPresets.first().landscape, std::optional<bool>(true));
        QCOMPARE(ui.printPresets.first().paperMm, std::optional<QSizeF>(QSizeF(210, 297)));
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel* label) { return label->text() == u"Couloir"_s; }));
        dialog.pageBox(0)->setChecked(false);
        dialog.pageBox(1)->setChecked(false);
        dialog.pageBox(2)->setChecked(listTicked);

        ButtonCalled(dialog, accepted ? u"Enregistrer en &PDF"_s : u"&Imprimer"_s)->click();

        QCOMPARE(dialog.result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(ui.texts(),
                 accepted ? QStringList() : QStringList{"Indiquez au moins une page à imprimer."});
        if (!accepted)
            QCOMPARE(ui.shown.first().icon, MessageIcon::Warning);
        else
            QVERIFY(dialog.request().sharedList && !dialog.request().firstHalf &&
                    dialog.request().output == PrintOutput::Pdf &&
                    dialog.request().printer->printerName == u"Couloir"_s);
    }

    // The background button waits for "Fond coloré"; "&Enregistrer" for a change, and writes
    // the settings; the preview shows the colour chosen.
    void colourDialog()
    {
        TestEnvironment env;
        QList<QColor> offered;
        const auto chooseRed = [&](QColor current, QWidget*) -> std::optional<QColor> {
            offered.append(current);
            return QColor(Qt::red);
        };
        ColourSettingsDialog dialog(PrintColours(), chooseRed, nullptr);
        QPushButton* save = ButtonCalled(dialog, u"&Enregistrer"_s);
        QVERIFY(!ButtonCalled(dialog, u"Changer la &couleur du fond"_s)->isEnabled() &&
                !save->isEnabled());
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
    // for a change; each field takes at most what the roster file holds; the user came to
    // type: the first field has the focus.
    void editingAParticipantsData()
    {
        EditAdministrativeDataDialog dialog({u"B"_s, {}, {}, {}, {}, {}}, nullptr);
        const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
        QList<int> lengths;
        for (const QLineEdit* field : fields)
            lengths.append(field->maxLength());
        QCOMPARE(lengths, (QList<int>{50, 25, 50, 7, 25}));
        QPushButton* save = ButtonCalled(dialog, u"&Enregistrer"_s);
        QVERIFY(!save->isEnabled());
        QTest::keyClicks(fields.at(3), "04400");
        QVERIFY(save->isEnabled());
        QCOMPARE(dialog.data().civilName + '|' + dialog.data().postalCode, u"B|04400"_s);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(QApplication::focusWidget(), fields.first());
    }

    // A saved change refreshes its row; a failed one leaves it.
    void administrativeDataList()
    {
        QList<qsizetype> saved;
        bool writable = false;
        AdministrativeDataDialog dialog({{{u"A"_s, u"Dr Anne Aubert"_s, u"04 1"_s, u"2 place"_s,
                                           u"04400"_s, u"Barcelonnette"_s},
                                          {u"B"_s, {}, {}, {}, {}, {}}},
                                         [&](qsizetype index, const AdministrativeData&) {
                                             saved.append(index);
                                             return writable;
                                         }},
                                        nullptr);
        QTreeWidget* list = dialog.list();
        QCOMPARE(list->currentItem(), list->topLevelItem(0));
        QCOMPARE(list->topLevelItem(0)->text(3), u"04400 Barcelonnette"_s);
        list->setCurrentItem(list->topLevelItem(1));
        const auto editor = [](const AdministrativeData& data) {
            return std::optional(AdministrativeData{data.doctor, u"Dr Bernard"_s, {}, {}, {}, {}});
        };
        dialog.editSelected(editor);
        QCOMPARE(list->topLevelItem(1)->text(0), u"B"_s);
        writable = true;
        dialog.editSelected(editor);
        QCOMPARE(list->topLevelItem(1)->text(0), u"Dr Bernard"_s);
        QCOMPARE(saved, (QList<qsizetype>{1, 1}));
    }

    // Back from a preview, the month is still chosen. "Toute l'année" follows "Décembre".
    void onCallDialog()
    {
        ScriptedInteraction ui;
        int edits = 0;
        OnCallDialog dialog(ui, {[&] { ++edits; }, {}}, nullptr);
        QCOMPARE(dialog.months()->itemText(11), u"Décembre"_s);
        ButtonCalled(dialog, u"&Editer les données administratives"_s)->click();
        QCOMPARE(edits, 1);
        dialog.months()->setCurrentIndex(3);
        ButtonCalled(dialog, u"&Imprimer"_s)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.request().month, 4);
        QCOMPARE(dialog.request().output, PrintOutput::Printer);
        QCOMPARE(OnCallDialog(ui, {{}, dialog.request()}, nullptr).months()->currentIndex(), 3);
        dialog.months()->setCurrentIndex(12);
        ButtonCalled(dialog, u"&Imprimer"_s)->click();
        QCOMPARE(dialog.request().month, OnCallRequest::WholeYear);
    }

    // There is nothing to print in an empty list.
    void emptyDutyListCannotBePrinted()
    {
        int printed = 0;
        DutyListReport report{u"Garde 2011 - A"_s, {}, {[&] { ++printed; }, [] {}, [] {}}};
        for (const bool empty : {true, false}) {
            if (!empty)
                report.rows = {{QDate(2011, 3, 7), std::nullopt, std::nullopt}};
            DutyListDialog dialog(report, nullptr);
            for (const QString& caption :
                 {u"&Imprimer"_s, u"&Aperçu avant impression"_s, u"Enregistrer en &PDF"_s})
                QCOMPARE(ButtonCalled(dialog, caption)->isEnabled(), !empty);
            ButtonCalled(dialog, u"&Imprimer"_s)->click();
            QCOMPARE(printed, empty ? 0 : 1);
        }
    }
};

QTEST_MAIN(TestReportDialogs)
#include "tst_reportdialogs.moc"
