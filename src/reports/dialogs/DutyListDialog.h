#pragma once

#include "document/ReportViews.h"

#include <QDialog>

class QTreeWidget;

// frmListe: one participant's duty days, with the hours of each of his intervals.
class DutyListDialog : public QDialog {
    Q_OBJECT

public:
    DutyListDialog(const DutyListReport& report, QWidget* parent);

private:
    QTreeWidget* list_;
};
