#pragma once

#include <QDialog>

class QListWidget;

// "Proposer des échanges": the exchanges that clear an alert, best first; the one chosen is
// made.
class SwapProposalsDialog : public QDialog {
    Q_OBJECT

public:
    SwapProposalsDialog(const QString& alert, const QStringList& proposals, QWidget* parent);

    int chosenIndex() const;

private:
    QListWidget* list_;
};
