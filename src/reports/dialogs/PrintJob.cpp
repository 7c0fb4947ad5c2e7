#include "PrintJob.h"

#include "AppInfo.h"
#include "FilePaths.h"
#include "Interaction.h"
#include "MeasuringCanvas.h"
#include "PainterCanvas.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

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
    QSaveFile file(path);
    Outcome outcome = Outcome::Drawn;
    bool written = false;
    if (file.open(QIODevice::WriteOnly)) {
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

void Print(Interaction& ui, const QString& title, const PageDrawing& draw)
{
    const std::optional<PrintChoice> choice = ui.choosePrinter({});
    if (!choice)
        return;
    if (!choice->outputFile.isEmpty())
        return WritePdf(ui, choice->outputFile, title, PageLayoutOf(*choice), draw);
    // Qt would fall back on another printer without a word.
    if (QPrinterInfo::printerInfo(choice->printerName).isNull()) {
        ui.tell(QStringLiteral("Imprimante non trouvée"), MessageIcon::Critical);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    ConfigurePrinter(printer, *choice);
    printer.setDocName(title);
    PainterCanvas canvas(printer);
    if (draw(canvas) == Outcome::PageTooNarrow)
        ui.tell(PageTooNarrow, MessageIcon::Critical);
    else if (!canvas.finish())
        ui.tell(QStringLiteral("Une erreur s'est produite pendant l'impression."),
                MessageIcon::Critical);
}

void Preview(Interaction& ui, const PageDrawing& draw)
{
    // Measured first on the printer the preview opens with, so that a page too narrow is told
    // instead of shown blank.
    QPrinter probe(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    MeasuringCanvas measure(probe);
    if (draw(measure) == Outcome::PageTooNarrow) {
        ui.tell(PageTooNarrow, MessageIcon::Critical);
        return;
    }
    ui.previewPages([&draw](QPagedPaintDevice& device) {
        PainterCanvas canvas(device);
        draw(canvas);
    });
}

void SaveAsPdf(Interaction& ui, const QString& title, const PageDrawing& draw)
{
    // A "/" in a participant's name would name a folder.
    const QString name = QString(title).replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString path =
        ui.chooseFileToSave({DocumentsFolder() + QLatin1Char('/') + name,
                             QStringLiteral("Document PDF (*.pdf)"), QStringLiteral("pdf")});
    if (!path.isEmpty())
        WritePdf(ui, path, title, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}),
                 draw);
}

} // namespace

PrintCommands MakePrintCommands(Interaction& ui, const QString& title, const PageDrawing& draw)
{
    return {
        [&ui, title, draw] { Print(ui, title, draw); },
        [&ui, draw] { Preview(ui, draw); },
        [&ui, title, draw] { SaveAsPdf(ui, title, draw); },
    };
}
