#pragma once

#include "document/ReportViews.h"

#include <QList>
#include <functional>
#include <optional>

struct PreviewPage;

// The windows of the reports: print set-up, preview, the print dialogs and the report windows.
class ReportDialogs {
public:
    virtual ~ReportDialogs() = default;

    // The printer set-up dialog (cPrintDlg), opened on the default printer with the preset
    // applied: the printer and settings chosen, or nothing when the user cancels.
    virtual std::optional<PrintChoice> choosePrinter(const PrintPreset& preset) = 0;

    // Shows pages on screen before they are printed, each as it will be printed; print prints
    // them.
    virtual void showPreview(const QList<PreviewPage>& pages,
                             const std::function<void()>& print) = 0;

    // frmImpressionGarde: the pages of the year table to print, and how; nothing when the user
    // cancels.
    virtual std::optional<RosterPrintRequest> chooseRosterPages(const RosterPrintOffer& offer) = 0;

    // frmAstreintes: the month of the on-call table to print, and how; nothing when the user
    // cancels.
    virtual std::optional<OnCallRequest> chooseOnCallMonth(const OnCallOffer& offer) = 0;

    // frmEtatCivil, with frmEditEtatCivil for each participant edited.
    virtual void showAdministrativeData(const AdministrativeDataWindow& window) = 0;

    // The report windows, modal over the main window.
    virtual void showStatistics(const StatisticsReport& report) = 0;
    virtual void showDutyList(const DutyListReport& report) = 0;
};
