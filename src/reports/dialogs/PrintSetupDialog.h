#pragma once

#include "document/ReportViews.h"

#include <QPrinter>

class QWidget;

// cPrintDlg: the printer set-up (printer, paper size and source, orientation, quality), opened
// on the default printer's settings. With no printer at all it still offers a PDF file.
class PrintSetupDialog {
public:
    explicit PrintSetupDialog(QWidget* owner);

    // Written before the dialog opens, which then shows them.
    void setOrientation(bool landscape);
    void setPaperSize(QSizeF millimetres);

    // True when the user confirmed; the choice is then the dialog's.
    bool showPrinter();
    PrintChoice choice() const;

private:
    QWidget* owner_;
    QPrinter printer_;
};
