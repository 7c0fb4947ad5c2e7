#include "reports/dialogs/PrintSetupDialog.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>

PrintSetupDialog::PrintSetupDialog(QWidget* owner)
    : owner_(owner)
    , printer_(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution)
{
}

void PrintSetupDialog::setOrientation(bool landscape)
{
    printer_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void PrintSetupDialog::setPaperSize(QSizeF millimetres)
{
    printer_.setPageSize(QPageSize(millimetres, QPageSize::Millimeter));
}

bool PrintSetupDialog::showPrinter()
{
    QPrintDialog dialog(&printer_, owner_);
    dialog.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    // The reports print whole: no page range, no selection.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // It chooses the printer and prints nothing: its button must not say "Imprimer".
    for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok))
            confirm->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

PrintChoice PrintSetupDialog::choice() const
{
    const bool toFile = printer_.outputFormat() == QPrinter::PdfFormat;
    const QPageLayout layout = printer_.pageLayout();
    return {toFile ? QString() : printer_.printerName(),
            toFile ? printer_.outputFileName() : QString(),
            layout.orientation() == QPageLayout::Landscape,
            layout.pageSize().size(QPageSize::Millimeter),
            layout.margins(QPageLayout::Millimeter),
            static_cast<int>(printer_.paperSource()),
            printer_.resolution(),
            printer_.copyCount()};
}
