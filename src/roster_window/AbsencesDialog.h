#pragma once

#include "document/EditDialogs.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// "Absences des participants": the list of every absence, and below it the fields of the one
// to add or of the one chosen in the list, to change.
class AbsencesDialog : public QDialog {
    Q_OBJECT

public:
    AbsencesDialog(const AbsencesWindow& window, QWidget* parent);

    QTreeWidget* list() const { return list_; }

private:
    // Shows the roster's absences, the given one chosen when it is among them.
    void reload(const std::optional<Absence>& chosen = {});
    void showChosen();
    Absence typed() const;
    qsizetype chosenIndex() const;
    void addTyped();
    void changeChosen();
    void removeChosen();

    AbsencesWindow window_;
    QList<Absence> absences_;
    QTreeWidget* list_;
    QComboBox* participant_;
    QDateEdit* first_;
    QDateEdit* last_;
    QLineEdit* reason_;
    QPushButton* change_;
    QPushButton* remove_;
};
