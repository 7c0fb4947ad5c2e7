#include "DialogTesting.h"
#include "ReportRoster.h"
#include "ScriptedInteraction.h"
#include "document/RosterDocument.h"
#include "reports/OnCallTable.h"
#include "roster_window/DifferencesWindow.h"
#include "roster_window/RosterWindow.h"
#include "session/RosterSession.h"
#include "store/BlankRoster.h"
#include "store/FilePaths.h"
#include "store/Roster.h"
#include "store/RosterFile.h"

#include <QMenu>
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

PrintChoice PdfOutput(const QString& path)
{
    return {{}, path, false, {210, 297}, {}, 0, 0, 1};
}

// Where the first word of the text given starts, in points from the top-left of the page; 0, 0
// when there is none.
QPointF PdfWordPosition(const QString& path, const QString& word)
{
    const QRegularExpression box(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>)re" +
                                 QRegularExpression::escape(word) + "</word>");
    const QRegularExpressionMatch match = box.match(Poppler("pdftotext", {"-bbox", path, "-"}));
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

} // namespace

class TestReportCommands : public QObject {
    Q_OBJECT

    std::optional<TestEnvironment> env_;
    std::optional<ScriptedInteraction> ui_;
    std::unique_ptr<RosterWindow> window_;

    // The entry of the tools menu with the text given.
    static QAction* entry(RosterWindow& window, const QString& text)
    {
        for (QAction* action : window.findChild<QMenu*>("toolsMenu")->actions()) {
            if (action->text() == text)
                return action;
        }
        qFatal("no entry %s", qPrintable(text));
        return nullptr;
    }

    static void trigger(RosterWindow& window, const QString& text)
    {
        entry(window, text)->trigger();
    }

private slots:
    void init()
    {
        // The previous test's window goes before its interaction and its files.
        window_.reset();
        env_.emplace();
        ui_.emplace();
        const QString path = CreateReportRoster();
        int untitled = 0;
        auto document = std::make_unique<RosterDocument>(*ui_);
        QVERIFY(document->openFile(MakeWorkingCopy(path), path, untitled));
        window_ = std::make_unique<RosterWindow>(
            std::make_unique<RosterSession>(*ui_, std::move(document)));
    }

    // The participant chosen, or the one "&Détails" of the statistics gives, has his duty list
    // shown; a cancelled choice shows none. The statistics are saved as PDF under their title
    // and previewed.
    void statisticsAndDutyListWindows()
    {
        const QString pdf = env_->tempPath() + "/Statistiques.pdf";
        ui_->filesToSave = {QString(), pdf};
        ui_->participantChoices = {2, -1};
        trigger(*window_, u"Voir la &liste des gardes d'un médecin"_s);
        trigger(*window_, u"Voir la &liste des gardes d'un médecin"_s);
        trigger(*window_, u"&Statistiques sur le tour de garde"_s);
        const StatisticsReport& statistics = ui_->statistics.first();
        statistics.showDetails("C");
        statistics.commands.saveAsPdf();
        QVERIFY(!QFile::exists(pdf));
        statistics.commands.saveAsPdf();
        statistics.commands.preview();

        QCOMPARE(ui_->participantLists.first(), (QStringList{"A", "O'Brien; \"Doc\"", "B", "C"}));
        QStringList shown;
        for (const DutyListReport& list : ui_->dutyLists)
            shown.append(list.title + " " + QString::number(list.rows.size()));
        QCOMPARE(shown, (QStringList{"Garde 2011 - B 4", "Garde 2011 - C 3"}));
        const FileChoice& asked = ui_->saveChoices.first();
        QCOMPARE(asked.proposedPath, DocumentsFolder() + "/Statistiques du tour de garde 2011");
        QCOMPARE(asked.filter, u"Document PDF (*.pdf)"_s);
        QCOMPARE(asked.defaultSuffix, u"pdf"_s);
        QVERIFY(ui_->shown.isEmpty());
        QVERIFY(PdfText(pdf).contains(u"3 dont 3 partagé(s)"_s));
        const QString preview = env_->tempPath() + "/aperçu.pdf";
        QVERIFY(WriteFile(preview, ui_->previews.value(0)));
        QVERIFY(PdfText(preview).contains(u"Statistiques du tour de garde 2011"_s));
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
        const QString failed =
            u"Une erreur s'est produite pendant l'enregistrement du fichier PDF."_s;
        QTest::newRow("statistics, printed") << true << "pdf" << QString() << u"O'Brien; \"Doc\""_s;
        QTest::newRow("too narrow")
            << true << "tiny paper" << u"La largeur de page est insuffisante."_s << QString();
        QTest::newRow("cancelled") << true << "cancel" << QString() << QString();
        QTest::newRow("unknown printer")
            << true << "unknown printer" << u"Imprimante non trouvée"_s << QString();
        QTest::newRow("unwritable file") << false << "missing folder" << failed << QString();
        QTest::newRow("full disk") << true << "full disk" << failed << QString();
    }

    void printing()
    {
        QFETCH(bool, statistics);
        QFETCH(QString, choice);
        QFETCH(QString, message);
        QFETCH(QString, printed);
        const QString pdf = env_->tempPath() + "/imprimé.pdf";
        PrintChoice chosen = PdfOutput(pdf);
        if (choice == "unknown printer")
            chosen = {u"Imprimante disparue"_s, {}, false, {210, 297}, {}, 0, 0, 1};
        else if (choice == "tiny paper")
            chosen.paperMm = {26, 37};
        else if (choice == "missing folder")
            chosen.outputFile = env_->tempPath() + "/disparu/imprimé.pdf";
        else if (choice == "full disk")
            QVERIFY(WriteFile(pdf, "ancien contenu"));
        if (choice != "cancel")
            ui_->printChoices = {chosen};
        std::optional<FullDisk> full;
        if (choice == "full disk")
            full.emplace(0);
        ui_->participantChoices = {0};
        trigger(*window_, statistics ? u"&Statistiques sur le tour de garde"_s
                                     : u"Voir la &liste des gardes d'un médecin"_s);
        const PrintCommands commands =
            statistics ? ui_->statistics.value(0).commands : ui_->dutyLists.value(0).commands;

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
            QVERIFY2(text.contains(printed), qPrintable(text));
            QCOMPARE(PdfPageSizes(pdf), QStringList{"595 x 842"});
            // The title's line starts at (850, 850) twips of the margin-less page.
            const QPointF title = PdfWordPosition(pdf, statistics ? u"Statistiques"_s : u"Garde"_s);
            QVERIFY2(std::abs(title.x() - 42.5) < 0.5 && std::abs(title.y() - 42.5) < 1,
                     qPrintable(u"%1, %2"_s.arg(title.x()).arg(title.y())));
        }
    }

    // Closing a preview comes back to the print dialog as it was left; printing from there
    // ends it. Preview and printer alike give both half-years on landscape A4, then the shared
    // list on portrait A4; the offer knows the roster has shared days.
    void printingTheYearTable()
    {
        const QString pdf = env_->tempPath() + "/tableau.pdf";
        ui_->rosterPages = {
            std::nullopt, RosterPrintRequest{PrintOutput::Preview, 2, true, true, true, {}},
            RosterPrintRequest{PrintOutput::Printer, 1, true, true, true, PdfOutput(pdf)}};
        trigger(*window_, u"&Imprimer le tableau de garde"_s);
        QVERIFY(!QFile::exists(pdf));
        trigger(*window_, u"&Imprimer le tableau de garde"_s);

        QCOMPARE(ui_->rosterPrintOffers.size(), 3);
        QCOMPARE(ui_->rosterPrintOffers.first().yearText, u"2011"_s);
        QVERIFY(ui_->rosterPrintOffers.first().hasSharedIntervals);
        QVERIFY(!ui_->rosterPrintOffers.at(1).previous);
        QCOMPARE(ui_->rosterPrintOffers.last().previous->copies, 2);
        QVERIFY(ui_->shown.isEmpty());
        const QStringList sizes{"842 x 595", "842 x 595", "595 x 842"};
        const QString shown = env_->tempPath() + "/aperçu.pdf";
        QVERIFY(WriteFile(shown, ui_->previews.value(0)));
        QCOMPARE(PdfPageSizes(shown), sizes);
        QVERIFY(PdfText(shown).contains(u"décembre"_s));
        QCOMPARE(PdfPageSizes(pdf), sizes);
        const QString text = PdfText(pdf);
        QVERIFY(text.contains(u"Garde médicale 2011 - Secteur"_s) && text.contains(u"juillet"_s) &&
                text.contains(u"dimanche 06 mars de 20:00 à 08:00"_s));
    }

    // The window shows the participants; each saved change is written at once and marks the
    // roster modified; clearing the full name shows the doctor's name. A failed write is told
    // (that it changes nothing is the document's own test).
    void administrativeData()
    {
        trigger(*window_, u"Editer les &données administratives des participants"_s);
        const AdministrativeDataWindow shown = ui_->administrativeData.value(0);
        QCOMPARE(shown.participants.size(), 4);
        QCOMPARE(shown.participants.at(1).doctor, u"O'Brien; \"Doc\""_s);
        QVERIFY(!window_->session().document().isModified());
        const auto written = [this] {
            return Roster::load(window_->session().document().workPath())
                ->participantRows()
                .first()
                .data;
        };

        QVERIFY(shown.save(0, {u"A"_s, u"Dr Anne Aubert"_s, u"04 1 23456"_s, u"2 place du Marché"_s,
                               u"04400"_s, u"Barcelonnette"_s}));
        QVERIFY(window_->session().document().isModified());
        QCOMPARE(written().displayedName(), u"Dr Anne Aubert"_s);
        QVERIFY(shown.save(0, {u"A"_s, {}, u"04 1 23456"_s, {}, {}, {}}));
        QCOMPARE(written().displayedName(), u"A"_s);

        std::unique_ptr<RosterDatabase> other =
            RosterDatabase::open(window_->session().document().workPath());
        other->execute("BEGIN EXCLUSIVE");
        QVERIFY(!shown.save(1, {u"O'Brien; \"Doc\""_s, u"Dr O'Brien"_s, {}, {}, {}, {}}));
        other->execute("ROLLBACK");
        QCOMPARE(ui_->texts(), QStringList{"Une erreur s'est produite pendant la modification du "
                                           "tour de garde. Le tour de garde est resté tel qu'il "
                                           "était."});
    }

    // The month asked, into the PDF file chosen as the printer, on an A4 landscape page; the
    // dialog's button opens the administrative data; closing a preview comes back to the
    // dialog as it was left.
    void printingTheOnCallTable()
    {
        const QString pdf = env_->tempPath() + "/astreintes.pdf";
        ui_->onCallMonths = {std::nullopt, OnCallRequest{3, PrintOutput::Preview, std::nullopt},
                             OnCallRequest{3, PrintOutput::Printer, PdfOutput(pdf)}};
        trigger(*window_, u"Imprimer le tableau mensuel des &astreintes"_s);
        QVERIFY(!QFile::exists(pdf));
        ui_->onCallOffers.first().editAdministrativeData();
        QCOMPARE(ui_->administrativeData.size(), 1);
        trigger(*window_, u"Imprimer le tableau mensuel des &astreintes"_s);

        QCOMPARE(ui_->onCallOffers.size(), 3);
        QVERIFY(!ui_->onCallOffers.at(1).previous);
        QCOMPARE(ui_->onCallOffers.last().previous->month, 3);
        QCOMPARE(ui_->previews.size(), 1);
        QVERIFY(ui_->shown.isEmpty());
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(u"Tableau des astreintes de MARS 2011 - Secteur"_s) &&
                     text.contains(u"de 14:00 à 20:00"_s) && text.contains(u"Dimanche et férié"_s),
                 qPrintable(text));
        QCOMPARE(PdfPageSizes(pdf), QStringList{"842 x 595"});
    }

    // "Toute l'année": the twelve months in one PDF file, a page each (none runs over), each
    // under its own head.
    void printingTheWholeYearsOnCallTable()
    {
        const QString pdf = env_->tempPath() + "/astreintes 2011.pdf";
        ui_->onCallMonths = {
            OnCallRequest{OnCallRequest::WholeYear, PrintOutput::Printer, PdfOutput(pdf)}};
        trigger(*window_, u"Imprimer le tableau mensuel des &astreintes"_s);
        QCOMPARE(PdfPageSizes(pdf), QStringList(12, u"842 x 595"_s));
        const QStringList pages = PdfText(pdf).split(u'\f');
        for (int month = 1; month <= 12; ++month)
            QVERIFY(pages.at(month - 1).contains(OnCallHead(month, u"2011"_s, u"Secteur"_s)));
    }

    // A roster never saved proposes "Garde " and its year in the documents folder; a saved
    // one, its own name. A roster without participants has no report to show.
    void blankAndSavedRosters()
    {
        int untitled = 0;
        auto document = std::make_unique<RosterDocument>(*ui_);
        QVERIFY(document->openNew(MakeBlankRoster(2012), untitled));
        RosterWindow blank(std::make_unique<RosterSession>(*ui_, std::move(document)));
        for (RosterWindow* window : {&blank, window_.get()}) {
            for (QAction* action : entry(*window, u"&Exporter"_s)->menu()->actions().mid(0, 2))
                action->trigger();
        }
        QStringList proposed;
        for (const FileChoice& choice : ui_->saveChoices)
            proposed.append(choice.proposedPath + "." + choice.defaultSuffix);
        const QString saved = StripExtension(window_->session().document().filePath());
        QCOMPARE(proposed, (QStringList{DocumentsFolder() + "/Garde 2012.xlsx",
                                        DocumentsFolder() + "/Garde 2012.csv", saved + ".xlsx",
                                        saved + ".csv"}));

        trigger(blank, u"&Statistiques sur le tour de garde"_s);
        trigger(blank, u"Voir la &liste des gardes d'un médecin"_s);
        const QString empty = u"Votre liste de participants est vide.\r\n"
                              "Ajoutez des participants avant d'utiliser cette fonction."_s;
        QCOMPARE(ui_->texts(), (QStringList{empty, empty}));
        QVERIFY(ui_->waitings.isEmpty() && ui_->statistics.isEmpty() &&
                ui_->participantLists.isEmpty());
    }

    // The notice of the changes since the table sent: its rows, its PDF pages (A4 landscape, the
    // head again on the second) and its text file.
    void theNoticeOfChanges()
    {
        const QString sent = env_->tempPath() + "/Envoyé.dat";
        QVERIFY(QFile::copy(window_->session().document().workPath(), sent));
        RosterDocument& document = window_->session().document();
        for (QDate day(2011, 1, 1); day < QDate(2011, 2, 10); day = day.addDays(1))
            QVERIFY(document.assignDay(day, "B"));
        QVERIFY(
            document.shareDay(QDate(2011, 2, 10), {{"A", 0, 12}, {"O'Brien; \"Doc\"", 12, 24}}));
        ui_->filesToOpen = {sent};
        trigger(*window_, u"Co&mparer avec un autre tour de garde..."_s);
        auto* differences = window_->findChild<DifferencesWindow*>();
        QVERIFY(differences);

        const ChangesNotice notice = differences->notice();
        QCOMPARE(notice.title, u"Modifications du tableau de garde 2011"_s);
        QCOMPARE(notice.sector, u"Secteur : Secteur"_s);
        QCOMPARE(notice.rows.size(), 41);
        QCOMPARE(notice.rows.first(),
                 (NoticeRow{QDate(2011, 1, 1), u"samedi"_s, u"(personne)"_s, u"B"_s}));

        const QString pdf = env_->tempPath() + "/Modifications.pdf";
        const QString csv = env_->tempPath() + "/Modifications.csv";
        ui_->filesToSave = {pdf, csv};
        ButtonCalled(*differences, u"Enregistrer en &PDF"_s)->click();
        ButtonCalled(*differences, u"Exporter au format &texte"_s)->click();

        QCOMPARE(PdfPageSizes(pdf), (QStringList{"842 x 595", "842 x 595"}));
        const QString text = PdfText(pdf);
        for (const QString& expected :
             {u"Modifications du tableau de garde 2011"_s, notice.madeOn,
              u"01/01/2011 samedi (personne) B"_s,
              u"10/02/2011 jeudi (personne) A 08:00–20:00, O'Brien; \"Doc\" 20:00–08:00"_s})
            QVERIFY2(text.simplified().contains(expected), qPrintable(expected));
        QCOMPARE(text.simplified().count(u"Date Jour Avant Après"_s), 2);
        QFile written(csv);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = written.readAll().split('\n');
        QCOMPARE(lines.size(), 43);
        QCOMPARE(lines.at(0), QByteArray("Date;Jour;Avant;Apr\xe8s\r"));
        QCOMPARE(lines.at(41), QByteArray("10/02/2011;jeudi;(personne);\"A 08:00\x96"
                                          "20:00, O'Brien; \"\"Doc\"\" 20:00\x96"
                                          "08:00\"\r"));
    }
};

QTEST_MAIN(TestReportCommands)
#include "tst_reportcommands.moc"
