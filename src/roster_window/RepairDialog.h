#pragma once

#include "planning/RosterRepair.h"

#include <QDialog>
#include <QElapsedTimer>
#include <atomic>
#include <memory>
#include <optional>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QTreeWidget;
class RosterSession;
class YearDateField;

// "Corriger les alertes": the days that may change and the tolerance, "&Calculer", then the
// correction found: every day it changes, the alerts before and after, each participant's
// points, whether it is proven best, and what it could not clear. The solver runs in a thread
// of its own: the window answers throughout, and "&Arrêter" keeps the best found so far.
// "&Appliquer" makes the correction one edit of the roster; "&Fermer" changes nothing.
class RepairDialog : public QDialog {
    Q_OBJECT

public:
    RepairDialog(RosterSession& session, QWidget* parent);
    ~RepairDialog() override;

    // How long the solver may search.
    static constexpr double SecondsAllowed = 60;

    void calculate();
    void stop();
    bool isCalculating() const { return worker_ != nullptr; }
    const RepairProposal& proposal() const { return *proposal_; }
    QTreeWidget* changes() const { return changes_; }

signals:
    void calculated();

protected:
    void reject() override;

private:
    // "Ajouter une a&nnée...": a roster of an earlier year into the shares.
    void addEarlierYear();
    void showProgress(double bestCost);
    void showProposal();
    void apply();

    RosterSession& session_;
    YearDateField* first_;
    YearDateField* last_;
    QDoubleSpinBox* tolerance_;
    QCheckBox* earlier_;
    QLabel* earlierYears_;
    QCheckBox* fromRotation_;
    QList<FairnessYear> ledger_;
    QPushButton* calculate_;
    QPushButton* stop_;
    QPushButton* apply_;
    QProgressBar* progress_;
    QLabel* summary_;
    QTreeWidget* changes_;
    QTreeWidget* points_;
    QLabel* problems_;
    QThread* worker_ = nullptr;
    std::atomic<bool> stopAsked_ = false;
    // Closed while the search goes on: the window goes once it has ended.
    bool closing_ = false;
    // The last correction asked for, and the one found.
    std::optional<RepairRequest> request_;
    std::shared_ptr<RepairProposal> proposal_;
    QElapsedTimer elapsed_;
};
