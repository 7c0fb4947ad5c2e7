#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QPushButton;
class QWidget;

// The buttons of a dialog that asks and then acts: the action's button, the default, which
// accepts, and the cancelling one ("&Annuler" unless named otherwise), which rejects.
QDialogButtonBox* AcceptOrCancel(QDialog& dialog, const QString& action,
                                 const QString& cancel = QStringLiteral("&Annuler"));
// The same around an action button the dialog makes itself, default or not as it decides.
QDialogButtonBox* AcceptOrCancel(QDialog& dialog, QPushButton* action,
                                 const QString& cancel = QStringLiteral("&Annuler"));

// The buttons of a window over a list whose Entrée goes to the row chosen: none of them is
// pressed by Entrée.
void LeaveEnterToTheList(QDialogButtonBox& buttons);

// A row of a form whose label's access key goes to its field.
void AddLabelledRow(QFormLayout& form, const QString& label, QWidget* field);
