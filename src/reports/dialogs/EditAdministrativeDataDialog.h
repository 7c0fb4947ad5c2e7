#pragma once

#include "store/AdministrativeData.h"

#include <QDialog>
#include <QList>

class QLineEdit;

// frmEditEtatCivil: one participant's five fields, each limited to what the roster file holds.
class EditAdministrativeDataDialog : public QDialog {
    Q_OBJECT

public:
    EditAdministrativeDataDialog(const AdministrativeData& data, QWidget* parent);

    AdministrativeData data() const;

private:
    AdministrativeData data_;
    QList<QLineEdit*> fields_;
};
