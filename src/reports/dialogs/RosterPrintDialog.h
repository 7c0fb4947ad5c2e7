#pragma once

#include "document/ReportViews.h"

#include <QDialog>
#include <optional>

class Interaction;
class QCheckBox;
class QLabel;
class QSpinBox;

// frmImpressionGarde: the pages of the year table to print, the copies, the printer, and the
// rows' colours.
class RosterPrintDialog : public QDialog {
    Q_OBJECT

public:
    RosterPrintDialog(Interaction& ui, const RosterPrintOffer& offer, QWidget* parent);

    // What the dialog was left with; meaningful once it was accepted.
    RosterPrintRequest request() const;

    QCheckBox* pageBox(int index) const { return pages_[index]; }

private:
    void finish(PrintOutput output);
    void setUpPrinter();

    Interaction& ui_;
    QSpinBox* copies_;
    QLabel* printerName_;
    QCheckBox* pages_[3];
    std::optional<PrintChoice> printer_;
    PrintOutput output_ = PrintOutput::Printer;
};
