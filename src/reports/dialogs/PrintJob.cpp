#include "reports/dialogs/PrintJob.h"

#include "document/Interaction.h"
#include "reports/OnCallTable.h"
#include "reports/PainterCanvas.h"
#include "reports/PictureCanvas.h"
#include "reports/RosterTableLayout.h"
#include "reports/dialogs/PrintSetupDialog.h"
#include "store/AppInfo.h"
#include "store/FilePaths.h"
#include "store/SafeFile.h"
#include "store/Settings.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

using ReportPage::Outcome;

namespace {

const QString PageTooNarrow = QStringLiteral("La largeur de page est insuffisante.");

QPageLayout PageLayoutOf(const PrintChoice& choice)
{
    return QPageLayout(QPageSize(choice.paperMm, QPageSize::Millimeter),
                       choice.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       choice.marginsMm, QPageLayout::Millimeter);
}

// Writes the pages into a PDF file, beside the target and renamed into place: a failure
// leaves no half file, and an existing file whole.
void WritePdf(Interaction& ui, const QString& path, const QString& title, const QPageLayout& layout,
              const PageDrawing& draw)
{
    SafeFile file(path);
    Outcome outcome = Outcome::Drawn;
    bool written = false;
    if (file.open()) {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(AppInfo::Title());
        writer.setPageLayout(layout);
        writer.setResolution(1200);
        PainterCanvas canvas(writer);
        outcome = draw(canvas);
        written = canvas.finish();
    }
    if (outcome == Outcome::PageTooNarrow)
        ui.tell(PageTooNarrow, MessageIcon::Critical);
    else if (!written || !file.commit())
        ui.tell(
            QStringLiteral("Une erreur s'est produite pendant l'enregistrement du fichier PDF."),
            MessageIcon::Critical);
}

// Makes the chosen printer current with its settings.
void ConfigurePrinter(QPrinter& printer, const PrintChoice& choice)
{
    printer.setPrinterName(choice.printerName);
    // Margins the printer cannot take leave its own.
    if (!printer.setPageLayout(PageLayoutOf(choice))) {
        printer.setPageSize(QPageSize(choice.paperMm, QPageSize::Millimeter));
        printer.setPageOrientation(choice.landscape ? QPageLayout::Landscape
                                                    : QPageLayout::Portrait);
    }
    printer.setPaperSource(static_cast<QPrinter::PaperSource>(choice.paperSource));
    if (choice.resolution > 0)
        printer.setResolution(choice.resolution);
    printer.setCopyCount(choice.copies);
}

// Prints on the chosen printer, or into the chosen PDF file; failed tells the user when the
// printer fails.
void PrintOn(Interaction& ui, const PrintChoice& choice, const QString& title,
             const PageDrawing& draw, const std::function<void()>& failed)
{
    if (!choice.outputFile.isEmpty())
        return WritePdf(ui, choice.outputFile, title, PageLayoutOf(choice), draw);
    // Qt would fall back on another printer without a word.
    if (QPrinterInfo::printerInfo(choice.printerName).isNull()) {
        ui.tell(QStringLiteral("Imprimante non trouvée"), MessageIcon::Critical);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    ConfigurePrinter(printer, choice);
    printer.setDocName(title);
    PainterCanvas canvas(printer);
    if (draw(canvas) == Outcome::PageTooNarrow)
        ui.tell(PageTooNarrow, MessageIcon::Critical);
    else if (!canvas.finish())
        failed();
}

void Print(Interaction& ui, const QString& title, const PageDrawing& draw)
{
    if (const std::optional<PrintChoice> choice = ui.choosePrinter({}))
        PrintOn(ui, *choice, title, draw, [&ui] {
            ui.tell(QStringLiteral("Une erreur s'est produite pendant l'impression."),
                    MessageIcon::Critical);
        });
}

// The pages on the default printer's paper and margins, or on the paper given; print prints them
// from the preview.
void Preview(Interaction& ui, const PageDrawing& draw, const std::function<void()>& print,
             std::optional<QSizeF> paperMm = {})
{
    const QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    const QPageLayout layout = printer.pageLayout();
    PictureCanvas pages(paperMm.value_or(layout.pageSize().size(QPageSize::Millimeter)),
                        layout.margins(QPageLayout::Millimeter));
    // A page too narrow is told instead of shown blank.
    if (draw(pages) == Outcome::PageTooNarrow) {
        ui.tell(PageTooNarrow, MessageIcon::Critical);
        return;
    }
    ui.showPreview(pages.takePages(), print);
}

void SaveAsPdf(Interaction& ui, const QString& title, const PageDrawing& draw)
{
    const QString path =
        ui.chooseFileToSave({DocumentsFolder() + QLatin1Char('/') + FileNameFor(title),
                             QStringLiteral("Document PDF (*.pdf)"), QStringLiteral("pdf")});
    if (!path.isEmpty())
        WritePdf(ui, path, title, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}),
                 draw);
}

// The pages of a print dialog of the tables for the wall and the council: A4 landscape on the
// printer set up (the default printer as it is set up when none was), or previewed on A4, or
// saved as a PDF file.
void PrintA4Landscape(Interaction& ui, PrintOutput output, std::optional<PrintChoice> choice,
                      int copies, const QString& title, const PageDrawing& draw,
                      const QString& failure)
{
    switch (output) {
    case PrintOutput::Preview:
        return Preview(
            ui, draw,
            [=, &ui] {
                PrintA4Landscape(ui, PrintOutput::Printer, choice, copies, title, draw, failure);
            },
            QSizeF(210, 297));
    case PrintOutput::Pdf:
        return SaveAsPdf(ui, title, draw);
    case PrintOutput::Printer:
        break;
    }
    if (!choice) {
        if (QPrinterInfo::defaultPrinterName().isEmpty()) {
            ui.tell(QStringLiteral("Aucune imprimante trouvée."), MessageIcon::Critical);
            return;
        }
        // The default printer as it is set up: its margins, bin and quality.
        choice = PrintSetupDialog(nullptr).choice();
    }
    // A4 landscape whatever the printer was set up with; its bin and quality are kept.
    choice->landscape = true;
    choice->paperMm = QSizeF(210, 297);
    choice->copies = copies;
    PrintOn(ui, *choice, title, draw, [&ui, &failure] { ui.tell(failure, MessageIcon::Critical); });
}

} // namespace

void PrintRosterTable(Interaction& ui, const RosterTable& table)
{
    RosterPrintOffer offer{table.yearText, !table.intervals.isEmpty(), std::nullopt};
    // Closing a preview comes back to the dialog, as it was left.
    for (;;) {
        const std::optional<RosterPrintRequest> request = ui.chooseRosterPages(offer);
        if (!request)
            return;
        // The colours are read at each print: the colour dialog may have changed them.
        const PrintColours colours = ReadPrintColours(Settings());
        const TablePages pages{request->firstHalf, request->secondHalf, request->sharedList};
        PrintA4Landscape(
            ui, request->output, request->printer, request->copies,
            QStringLiteral("Garde ") + table.yearText,
            [&](PageCanvas& canvas) {
                DrawRosterTable(canvas, table, pages, colours);
                return Outcome::Drawn;
            },
            QStringLiteral("L'erreur suivante a été renvoyée par l'application:\r\n"
                           "Code: 482\r\nErreur d'imprimante."));
        if (request->output != PrintOutput::Preview)
            return;
        offer.previous = request;
    }
}

void PrintOnCallTable(Interaction& ui, const OnCallRequest& request, const OnCallTable& table)
{
    PrintA4Landscape(
        ui, request.output, request.printer, 1, table.title,
        [&](PageCanvas& canvas) {
            DrawOnCallTable(canvas, table.months);
            return Outcome::Drawn;
        },
        QStringLiteral("Une erreur s'est produite pendant l'impression."));
}

PrintCommands MakePrintCommands(Interaction& ui, const QString& title, const PageDrawing& draw)
{
    return {
        [&ui, title, draw] { Print(ui, title, draw); },
        [&ui, title, draw] { Preview(ui, draw, [&ui, title, draw] { Print(ui, title, draw); }); },
        [&ui, title, draw] { SaveAsPdf(ui, title, draw); },
    };
}
