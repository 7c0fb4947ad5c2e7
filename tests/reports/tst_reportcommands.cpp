#include "ReportRoster.h"
#include "ScriptedInteraction.h"
#include "document/RosterDocument.h"
#include "roster_window/RosterWindow.h"
#include "store/BlankRoster.h"
#include "store/FilePaths.h"
#include "store/Roster.h"
#include "store/RosterFile.h"

#include <QMenu>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What a poppler tool prints of a PDF file.
QString Poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const QString& path)
{
    return Poppler("pdftotext", {"-layout", path, "-"});
}

// Each page's size in points, "842 x 595" for A4 landscape.
QStringList PdfPageSizes(const QString& path)
{
    const QRegularExpression size(R"(Page +\d+ size: +([0-9.]+ x [0-9.]+))");
    QStringList sizes;
    for (const QRegularExpressionMatch& match :
         size.globalMatch(Poppler("pdfinfo", {"-f", "1", "-l", "99", path})))
        sizes.append(match.captured(1));
    return sizes;
}

PrintChoice PdfOutput(const QString& path, QSizeF paperMm = {210, 297})
{
    return {{}, path, false, paperMm, {}, 0, 0, 1};
}

// Where the first word of the text given starts, in points from the top-left of the page.
QPointF PdfWordPosition(const QString& path, const QString& word)
{
    const QRegularExpression box(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>)re" +
                                 QRegularExpression::escape(word) + "</word>");
    const QRegularExpressionMatch match = box.match(Poppler("pdftotext", {"-bbox", path, "-"}));
    return match.hasMatch() ? QPointF(match.captured(1).toDouble(), match.captured(2).toDouble())
                            : QPointF(-1, -1);
}

} // namespace

class TestReportCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<RosterWindow> window_;

    std::unique_ptr<RosterWindow> open(const QString& path)
    {
        int untitled = 0;
        auto document = std::make_unique<RosterDocument>(*ui_, *ui_);
        if (!document->openFile(MakeWorkingCopy(path), path, untitled))
            return nullptr;
        return std::make_unique<RosterWindow>(*ui_, std::move(document));
    }

    static void trigger(RosterWindow& window, const QString& entry)
    {
        for (QAction* action : window.menus().at(3)->actions()) {
            if (action->text() == entry)
                return action->trigger();
        }
        QFAIL(qPrintable("no entry " + entry));
    }

    // The commands of the first report window shown, statistics or duty list.
    PrintCommands reportCommands(bool statistics)
    {
        if (statistics) {
            trigger(*window_, u"&Statistiques sur le tour de garde"_s);
            return ui_->statistics.value(0).commands;
        }
        ui_->participantChoices = {0};
        trigger(*window_, u"Voir la &liste des gardes d'un médecin"_s);
        return ui_->dutyLists.value(0).commands;
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        ui_ = std::make_unique<ScriptedInteraction>();
        window_ = open(CreateReportRoster());
        QVERIFY(window_);
    }

    void cleanup()
    {
        window_.reset();
        env_.reset();
    }

    void reportsNeedParticipants()
    {
        std::unique_ptr<RosterWindow> blank = open(CreateBlankRoster(2012));
        trigger(*blank, u"&Statistiques sur le tour de garde"_s);
        trigger(*blank, u"Voir la &liste des gardes d'un médecin"_s);
        const QString empty = u"Votre liste de participants est vide.\r\n"
                              "Ajoutez des participants avant d'utiliser cette fonction."_s;
        QCOMPARE(ui_->texts(), (QStringList{empty, empty}));
        QVERIFY(ui_->statistics.isEmpty() && ui_->participantLists.isEmpty());
    }

    // The participant chosen, or the one "&Détails" of the statistics gives, has his duty list
    // shown; a cancelled choice shows none.
    void dutyListsOfTheChosenParticipant()
    {
        ui_->participantChoices = {2, -1};
        trigger(*window_, u"Voir la &liste des gardes d'un médecin"_s);
        trigger(*window_, u"Voir la &liste des gardes d'un médecin"_s);
        trigger(*window_, u"&Statistiques sur le tour de garde"_s);
        ui_->statistics.first().showDetails("C");

        QCOMPARE(ui_->participantLists.first(), (QStringList{"A", "O'Brien; \"Doc\"", "B", "C"}));
        QCOMPARE(ui_->preselections, (QList<int>{0, 0}));
        QCOMPARE(ui_->statistics.first().title, u"Statistiques du tour de garde 2011"_s);
        QCOMPARE(ui_->statistics.first().lines.size(), 4);
        QStringList shown;
        for (const DutyListReport& list : ui_->dutyLists)
            shown.append(list.title + " " + QString::number(list.rows.size()));
        QCOMPARE(shown, (QStringList{"Garde 2011 - B 4", "Garde 2011 - C 3"}));
    }

    // Through the real printer path, with Qt's PDF output as the printer. Both reports print
    // through the same job; each draws and measures its own page.
    void printing_data()
    {
        QTest::addColumn<bool>("statistics");
        // "pdf", "cancel", "unknown printer", "tiny paper", "missing folder", "full disk"
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("printed"); // a line the PDF holds; empty: no file
        const QString narrow = u"La largeur de page est insuffisante."_s;
        QTest::newRow("statistics, printed") << true << "pdf" << QString() << u"O'Brien; \"Doc\""_s;
        QTest::newRow("duty list, printed")
            << false << "pdf" << QString() << u"dimanche 06 mars de 20:00 à 08:00"_s;
        QTest::newRow("statistics, too narrow") << true << "tiny paper" << narrow << QString();
        QTest::newRow("duty list, too narrow") << false << "tiny paper" << narrow << QString();
        QTest::newRow("cancelled") << true << "cancel" << QString() << QString();
        QTest::newRow("unknown printer")
            << true << "unknown printer" << u"Imprimante non trouvée"_s << QString();
        QTest::newRow("unwritable file")
            << false << "missing folder"
            << u"Une erreur s'est produite pendant l'enregistrement du fichier PDF."_s << QString();
        QTest::newRow("full disk")
            << true << "full disk"
            << u"Une erreur s'est produite pendant l'enregistrement du fichier PDF."_s << QString();
    }

    void printing()
    {
        QFETCH(bool, statistics);
        QFETCH(QString, choice);
        QFETCH(QString, message);
        QFETCH(QString, printed);
        const QString pdf = env_->tempPath() + "/imprimé.pdf";
        if (choice == "pdf")
            ui_->printChoices = {PdfOutput(pdf)};
        else if (choice == "unknown printer")
            ui_->printChoices = {
                PrintChoice{u"Imprimante disparue"_s, {}, false, {210, 297}, {}, 0, 0, 1}};
        else if (choice == "tiny paper")
            ui_->printChoices = {PdfOutput(pdf, {26, 37})};
        else if (choice == "missing folder")
            ui_->printChoices = {PdfOutput(env_->tempPath() + "/disparu/imprimé.pdf")};
        std::optional<FullDisk> full;
        if (choice == "full disk") {
            QVERIFY(WriteFile(pdf, "ancien contenu"));
            ui_->printChoices = {PdfOutput(pdf)};
            full.emplace(0);
        }
        const PrintCommands commands = reportCommands(statistics);

        commands.print();
        full.reset();

        QCOMPARE(ui_->printPresets.size(), 1);
        QCOMPARE(ui_->texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (choice == "full disk")
            QCOMPARE(ReadFile(pdf), "ancien contenu");
        else
            QCOMPARE(QFile::exists(pdf), !printed.isEmpty());
        if (!printed.isEmpty()) {
            const QString text = PdfText(pdf);
            QVERIFY2(text.contains(statistics ? u"Statistiques du tour de garde 2011"_s
                                              : u"Garde 2011 - A"_s) &&
                         text.contains(printed),
                     qPrintable(text));
            QCOMPARE(PdfPageSizes(pdf), QStringList{"595 x 842"});
            // The title's line starts at (850, 850) twips of the margin-less page.
            const QPointF title = PdfWordPosition(pdf, statistics ? u"Statistiques"_s : u"Garde"_s);
            QVERIFY2(std::abs(title.x() - 42.5) < 0.5 && std::abs(title.y() - 42.5) < 1,
                     qPrintable(u"%1, %2"_s.arg(title.x()).arg(title.y())));
        }
    }

    // Closing a preview comes back to the print dialog, as it was left; printing from there
    // ends it.
    void previewReturnsToThePrintDialog()
    {
        const QString pdf = env_->tempPath() + "/astreintes.pdf";
        const OnCallRequest preview{3, PrintOutput::Preview, std::nullopt};
        ui_->onCallMonths = {preview, OnCallRequest{3, PrintOutput::Printer, PdfOutput(pdf)}};
        trigger(*window_, u"Imprimer le tableau mensuel des &astreintes"_s);
        QCOMPARE(ui_->onCallOffers.size(), 2);
        QVERIFY(!ui_->onCallOffers.first().previous);
        QCOMPARE(ui_->onCallOffers.last().previous->month, 3);
        QVERIFY(QFile::exists(pdf));

        const RosterPrintRequest pages{PrintOutput::Preview, 2, false, true, false, std::nullopt};
        ui_->rosterPages = {pages, std::nullopt};
        trigger(*window_, u"&Imprimer le tableau de garde"_s);
        QCOMPARE(ui_->rosterPrintOffers.size(), 2);
        QCOMPARE(ui_->rosterPrintOffers.last().previous->copies, 2);
        QVERIFY(ui_->rosterPrintOffers.last().previous->secondHalf);
        QCOMPARE(ui_->previews.size(), 2);
    }

    // The preview shows every page as it prints: the half-years on landscape A4, the shared
    // list on portrait A4.
    void yearTablePreviewTurnsEachPage()
    {
        ui_->rosterPages = {RosterPrintRequest{PrintOutput::Preview, 1, true, true, true, {}}};
        trigger(*window_, u"&Imprimer le tableau de garde"_s);

        QStringList pages;
        for (const PreviewPage& page : ui_->previewPages.first())
            pages.append(u"%1 %2x%3"_s.arg(page.landscape ? "paysage" : "portrait")
                             .arg(qRound(page.paperTwips.width()))
                             .arg(qRound(page.paperTwips.height())));
        QCOMPARE(pages, (QStringList{"paysage 16838x11906", "paysage 16838x11906",
                                     "portrait 11906x16838"}));
        const QString shown = env_->tempPath() + "/aperçu.pdf";
        QVERIFY(WriteFile(shown, ui_->previews.first()));
        QCOMPARE(PdfPageSizes(shown), (QStringList{"842 x 595", "842 x 595", "595 x 842"}));
        QVERIFY(PdfText(shown).contains(u"décembre"_s));
    }

    // Both half-years on landscape pages, then the shared list on a portrait one, into the PDF
    // file chosen as the printer; the offer knows the roster has shared days.
    void printingTheYearTable()
    {
        const QString pdf = env_->tempPath() + "/tableau.pdf";
        RosterPrintRequest request{PrintOutput::Printer, 1, true, true, true, PdfOutput(pdf)};
        ui_->rosterPages = {std::nullopt, request};
        trigger(*window_, u"&Imprimer le tableau de garde"_s);
        QVERIFY(!QFile::exists(pdf));
        trigger(*window_, u"&Imprimer le tableau de garde"_s);

        QCOMPARE(ui_->rosterPrintOffers.first().yearText, u"2011"_s);
        QVERIFY(ui_->rosterPrintOffers.first().hasSharedIntervals);
        QVERIFY(ui_->shown.isEmpty());
        QCOMPARE(PdfPageSizes(pdf), (QStringList{"842 x 595", "842 x 595", "595 x 842"}));
        const QString text = PdfText(pdf);
        QVERIFY(text.contains(u"Garde médicale 2011 - Secteur"_s) && text.contains(u"juillet"_s) &&
                text.contains(u"dimanche 06 mars de 20:00 à 08:00"_s));
    }

    // Each saved change is written at once and marks the roster modified; clearing the full
    // name stores the empty text; a failed write is told and changes nothing.
    void administrativeData()
    {
        trigger(*window_, u"Editer les &données administratives des participants"_s);
        QCOMPARE(ui_->administrativeData.size(), 1);
        const AdministrativeDataWindow& shown = ui_->administrativeData.first();
        QCOMPARE(shown.participants.size(), 4);
        QCOMPARE(shown.participants.at(1).doctor, u"O'Brien; \"Doc\""_s);
        QVERIFY(!window_->document().isModified());

        QVERIFY(shown.save(0, {u"A"_s, u"Dr Anne Aubert"_s, u"04 1 23456"_s, u"2 place du Marché"_s,
                               u"04400"_s, u"Barcelonnette"_s}));
        QVERIFY(window_->document().isModified());
        std::unique_ptr<Roster> written = Roster::load(window_->document().workPath());
        QCOMPARE(written->participantRows().first().data.displayedName(), u"Dr Anne Aubert"_s);
        QCOMPARE(written->participantRows().first().data.postalTown(), u"04400 Barcelonnette"_s);
        QVERIFY(shown.save(0, {u"A"_s, {}, u"04 1 23456"_s, {}, {}, {}}));
        QCOMPARE(Roster::load(window_->document().workPath())
                     ->participantRows()
                     .first()
                     .data.displayedName(),
                 u"A"_s);
        QVERIFY(!shown.save(0, {u"A"_s, {}, {}, u"2 place\ndu Marché"_s, {}, {}}));
        QCOMPARE(
            ui_->texts().takeLast(),
            u"Le texte saisi ne peut contenir ni tabulation, ni retour à la ligne, ni aucun autre caractère de contrôle."_s);
        ui_->shown.clear();

        std::unique_ptr<RosterDatabase> other =
            RosterDatabase::open(window_->document().workPath());
        other->execute("BEGIN EXCLUSIVE");
        QVERIFY(!shown.save(1, {u"O'Brien; \"Doc\""_s, u"Dr O'Brien"_s, {}, {}, {}, {}}));
        other->execute("ROLLBACK");
        QCOMPARE(ui_->texts(), QStringList{"Une erreur s'est produite pendant la modification du "
                                           "tour de garde. Le tour de garde est resté tel qu'il "
                                           "était."});
        QVERIFY(Roster::load(window_->document().workPath())
                    ->participantRows()
                    .at(1)
                    .data.civilName.isEmpty());
    }

    // The month asked, into the PDF file chosen as the printer, on an A4 landscape page; the
    // dialog's button opens the administrative data.
    void printingTheOnCallTable()
    {
        const QString pdf = env_->tempPath() + "/astreintes.pdf";
        ui_->onCallMonths = {std::nullopt, OnCallRequest{3, PrintOutput::Printer, PdfOutput(pdf)}};
        trigger(*window_, u"Imprimer le tableau mensuel des &astreintes"_s);
        QVERIFY(!QFile::exists(pdf));
        ui_->onCallOffers.first().editAdministrativeData();
        QCOMPARE(ui_->administrativeData.size(), 1);
        trigger(*window_, u"Imprimer le tableau mensuel des &astreintes"_s);

        QVERIFY(ui_->shown.isEmpty());
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(u"Tableau des astreintes de MARS 2011 - Secteur"_s) &&
                     text.contains(u"dimanche 06 mars"_s) && text.contains(u"de 14:00 à 20:00"_s) &&
                     text.contains(u"Dimanche et férié"_s),
                 qPrintable(text));
        QCOMPARE(PdfPageSizes(pdf), QStringList{"842 x 595"});
    }

    // A roster never saved proposes "Garde " and its year in the documents folder; a saved
    // one, its own name.
    void exportsProposeTheRostersName()
    {
        int untitled = 0;
        auto document = std::make_unique<RosterDocument>(*ui_, *ui_);
        QVERIFY(document->openNew(MakeBlankRoster(2012), untitled));
        RosterWindow blank(*ui_, std::move(document));
        for (RosterWindow* window : {&blank, window_.get()}) {
            QMenu* exports = nullptr;
            for (QAction* action : window->menus().at(3)->actions()) {
                if (action->text() == u"&Exporter"_s)
                    exports = action->menu();
            }
            QVERIFY(exports);
            for (QAction* action : exports->actions().mid(0, 2))
                action->trigger();
        }
        QCOMPARE(ui_->saveChoices.size(), 4);
        QCOMPARE(ui_->saveChoices.at(0).proposedPath, DocumentsFolder() + "/Garde 2012");
        QCOMPARE(ui_->saveChoices.at(1).proposedPath, DocumentsFolder() + "/Garde 2012");
        QCOMPARE(ui_->saveChoices.at(2).proposedPath,
                 StripExtension(window_->document().filePath()));
        QCOMPARE(ui_->saveChoices.at(2).defaultSuffix, u"xlsx"_s);
        QCOMPARE(ui_->saveChoices.at(3).defaultSuffix, u"csv"_s);
        QVERIFY(ui_->shown.isEmpty() && ui_->waitings.isEmpty());
    }

    void savingAsPdf()
    {
        const QString pdf = env_->tempPath() + "/Statistiques.pdf";
        ui_->filesToSave = {QString(), pdf};
        const PrintCommands commands = reportCommands(true);

        commands.saveAsPdf();
        QVERIFY(!QFile::exists(pdf));
        commands.saveAsPdf();

        const FileChoice& asked = ui_->saveChoices.first();
        QCOMPARE(asked.proposedPath, DocumentsFolder() + "/Statistiques du tour de garde 2011");
        QCOMPARE(asked.filter, u"Document PDF (*.pdf)"_s);
        QCOMPARE(asked.defaultSuffix, u"pdf"_s);
        QVERIFY(ui_->shown.isEmpty());
        QVERIFY(PdfText(pdf).contains(u"3 dont 3 partagé(s)"_s));
        commands.preview();
        QCOMPARE(ui_->previews.size(), 1);
        const QString shown = env_->tempPath() + "/aperçu.pdf";
        QVERIFY(WriteFile(shown, ui_->previews.first()));
        QVERIFY(PdfText(shown).contains(u"Statistiques du tour de garde 2011"_s));
    }
};

QTEST_MAIN(TestReportCommands)
#include "tst_reportcommands.moc"
