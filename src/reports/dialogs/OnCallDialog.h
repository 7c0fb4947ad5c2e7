#pragma once

#include "document/ReportViews.h"

#include <QDialog>

class Interaction;
class QComboBox;

// frmAstreintes: the month (or the whole year) of the on-call table for the council, and its
// printer.
class OnCallDialog : public QDialog {
    Q_OBJECT

public:
    OnCallDialog(Interaction& ui, const OnCallOffer& offer, QWidget* parent);

    // What the dialog was left with; meaningful once it was accepted.
    OnCallRequest request() const { return request_; }
    QComboBox* months() const { return months_; }

private:
    QComboBox* months_;
    OnCallRequest request_;
};
