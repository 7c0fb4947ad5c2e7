#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QWidget;

// The buttons of a dialog that asks and then acts: the action's button, the default, which
// accepts, and "&Annuler", which rejects.
QDialogButtonBox* AcceptOrCancel(QDialog& dialog, const QString& action);

// A row of a form whose label's access key goes to its field.
void AddLabelledRow(QFormLayout& form, const QString& label, QWidget* field);
