#pragma once

#include "document/ReportViews.h"

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

// frmEtatCivil: every participant's full name, identification and address; "&Editer" (or a
// double click) changes the selected one in frmEditEtatCivil.
class AdministrativeDataDialog : public QDialog {
    Q_OBJECT

public:
    AdministrativeDataDialog(const AdministrativeDataWindow& window, QWidget* parent);

    QTreeWidget* list() const { return list_; }
    // Edits the selected participant; the editor is given the current data and returns the new
    // data, or nothing when cancelled.
    void editSelected(
        const std::function<std::optional<AdministrativeData>(const AdministrativeData&)>& editor);

private:
    void showRow(qsizetype index);

    AdministrativeDataWindow window_;
    QTreeWidget* list_;
};
