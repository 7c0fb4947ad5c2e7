#pragma once

#include "document/EditDialogs.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

// frmSecteur: the name of the duty sector, and whether new rosters take it too.
class SectorDialog : public QDialog {
    Q_OBJECT

public:
    SectorDialog(const QString& current, QWidget* parent);

    SectorName sector() const;

private:
    QLineEdit* name_;
    QCheckBox* asDefault_;
};
