#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QTreeWidget;
class RosterSession;

// "Journal des modifications": every change kept in the roster file's journal, newest first
// (when, by whom, what), filtered by participant or by the month it was made; kept up to date
// while the roster is edited. A journal that cannot be read is said so.
class JournalWindow : public QDialog {
    Q_OBJECT

public:
    JournalWindow(RosterSession& session, QWidget* parent);

    QTreeWidget* list() const { return list_; }
    QComboBox* participant() const { return participant_; }
    QComboBox* month() const { return month_; }
    QString stateText() const;

private:
    void fillParticipants();
    void reload();

    RosterSession& session_;
    QComboBox* participant_;
    QComboBox* month_;
    QLabel* state_;
    QTreeWidget* list_;
};
