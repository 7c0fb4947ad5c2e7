#include "roster_window/RepairDialog.h"

#include "controls/HelpSection.h"
#include "document/EditTexts.h"
#include "document/RosterDocument.h"
#include "reports/Fairness.h"
#include "reports/FairnessLedger.h"
#include "roster_window/YearDateField.h"
#include "session/AlertCount.h"
#include "session/RosterSession.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

QString HolderText(const QString& doctor)
{
    return doctor.isEmpty() ? QStringLiteral("Personne") : doctor;
}

QString PointsText(double points)
{
    return QLocale(QLocale::French).toString(points, 'f', 1);
}

QTreeWidget* List(const QStringList& headings, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setHeaderLabels(headings);
    list->setRootIsDecorated(false);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

} // namespace

RepairDialog::RepairDialog(RosterSession& session, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , first_(new YearDateField(session.document().roster().year(), this))
    , last_(new YearDateField(session.document().roster().year(), this))
    , tolerance_(new QDoubleSpinBox(this))
    , earlier_(new QCheckBox(QStringLiteral("Tenir compte des &années précédentes"), this))
    , earlierYears_(new QLabel(this))
    , fromRotation_(new QCheckBox(QStringLiteral("Repartir de la rotation"), this))
    , calculate_(new QPushButton(QStringLiteral("&Calculer"), this))
    , stop_(new QPushButton(QStringLiteral("A&rrêter"), this))
    , apply_(new QPushButton(QStringLiteral("A&ppliquer"), this))
    , progress_(new QProgressBar(this))
    , summary_(new QLabel(this))
    , changes_(
          List({QStringLiteral("Date"), QStringLiteral("Avant"), QStringLiteral("Après")}, this))
    , points_(List({QStringLiteral("Participant"), QStringLiteral("Tour"), QStringLiteral("Avant"),
                    QStringLiteral("Après"), QStringLiteral("Part"), QStringLiteral("Dû")},
                   this))
    , problems_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Corriger les alertes"));
    SetHelpSection(*this, QStringLiteral("corriger"));
    const int year = session.document().roster().year();
    first_->setDate(session.repairStart());
    last_->setDate(QDate(year, 12, 31));
    // By default a participant may lie one weekend day's points from his share.
    tolerance_->setRange(0, 100);
    tolerance_->setSingleStep(0.5);
    tolerance_->setDecimals(1);
    tolerance_->setValue(std::max(DefaultWeights.at(1), DefaultWeights.at(2)));
    for (QLabel* label : {summary_, problems_}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    fromRotation_->setEnabled(session.hasRotation());
    fromRotation_->setToolTip(
        session.hasRotation()
            ? QStringLiteral("Le moins de jours possible s'écartent de l'année générée par "
                             "l'assistant, plutôt que du tour de garde tel qu'il est.")
            : QStringLiteral("Ce tour de garde n'a pas été généré par l'assistant : il n'a pas "
                             "de rotation où revenir."));
    progress_->setRange(0, 0);
    progress_->hide();
    stop_->setEnabled(false);
    apply_->setEnabled(false);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Du :"), first_);
    fields->addRow(QStringLiteral("A&u :"), last_);
    fields->addRow(QStringLiteral("&Tolérance (points) :"), tolerance_);
    auto* earlier = new QHBoxLayout;
    auto* addYear = new QPushButton(QStringLiteral("Ajouter une a&nnée..."), this);
    connect(addYear, &QPushButton::clicked, this, &RepairDialog::addEarlierYear);
    earlier->addWidget(earlier_);
    earlier->addWidget(addYear);
    earlier->addWidget(earlierYears_, 1);
    fields->addRow(earlier);
    fields->addRow(fromRotation_);
    auto* commands = new QHBoxLayout;
    commands->addWidget(calculate_);
    commands->addWidget(stop_);
    commands->addWidget(progress_, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(apply_, QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &RepairDialog::apply);
    connect(buttons, &QDialogButtonBox::rejected, this, &RepairDialog::reject);
    connect(calculate_, &QPushButton::clicked, this, &RepairDialog::calculate);
    connect(stop_, &QPushButton::clicked, this, &RepairDialog::stop);

    auto* lists = new QHBoxLayout;
    lists->addWidget(changes_, 1);
    lists->addWidget(points_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(commands);
    layout->addWidget(summary_);
    layout->addLayout(lists, 1);
    layout->addWidget(problems_);
    layout->addWidget(buttons);
    resize(900, 520);
}

RepairDialog::~RepairDialog()
{
    stop();
    if (worker_) {
        worker_->wait();
        delete worker_;
    }
}

void RepairDialog::calculate()
{
    if (worker_)
        return;
    const std::optional<RepairRequest> asked = session_.repairRequest(
        std::min(first_->date(), last_->date()), std::max(first_->date(), last_->date()),
        tolerance_->value(), earlier_->isChecked() ? ledger_ : QList<FairnessYear>(),
        fromRotation_->isChecked());
    if (!asked)
        return;
    const RepairRequest& request = *asked;
    request_ = asked;
    stopAsked_ = false;
    proposal_.reset();
    apply_->setEnabled(false);
    calculate_->setEnabled(false);
    stop_->setEnabled(true);
    progress_->show();
    summary_->setText(QStringLiteral("Calcul en cours..."));
    elapsed_.start();
    auto proposal = std::make_shared<RepairProposal>();
    worker_ = QThread::create([this, request, proposal] {
        const SolveControl control{SecondsAllowed, &stopAsked_, [this](const SolveProgress& now) {
                                       QMetaObject::invokeMethod(
                                           this,
                                           [this, best = now.bestCost] { showProgress(best); },
                                           Qt::QueuedConnection);
                                   }};
        *proposal = ProposeRepair(request, *MakeMipSolver(), control);
    });
    connect(worker_, &QThread::finished, this, [this, proposal] {
        worker_->deleteLater();
        worker_ = nullptr;
        proposal_ = proposal;
        showProposal();
        emit calculated();
        if (closing_)
            QDialog::reject();
    });
    worker_->start();
}

void RepairDialog::stop()
{
    stopAsked_ = true;
}

// The solver sees the stop at its next step, which may be seconds away: the window goes at once
// and closes for good when the search has ended.
void RepairDialog::reject()
{
    stop();
    if (!worker_) {
        QDialog::reject();
        return;
    }
    closing_ = true;
    hide();
}

void RepairDialog::showProgress(double bestCost)
{
    const QString seconds = QString::number(elapsed_.elapsed() / 1000);
    summary_->setText(std::isinf(bestCost)
                          ? QStringLiteral("Calcul en cours... (%1 s)").arg(seconds)
                          : QStringLiteral("Calcul en cours : une correction a été trouvée, la "
                                           "recherche d'une meilleure continue... (%1 s)")
                                .arg(seconds));
}

void RepairDialog::showProposal()
{
    progress_->hide();
    calculate_->setEnabled(true);
    stop_->setEnabled(false);
    const RepairProposal& found = *proposal_;
    changes_->clear();
    points_->clear();
    const QLocale french(QLocale::French);
    for (qsizetype i = 0; i < found.after.size(); ++i) {
        const QDate day = found.after.at(i).day;
        new QTreeWidgetItem(changes_, {french.toString(day, QStringLiteral("ddd d MMMM")),
                                       HolderText(found.before.at(i).duty.doctor),
                                       HolderText(found.after.at(i).duty.doctor)});
    }
    for (const RepairPoints& held : found.points)
        new QTreeWidgetItem(points_, {held.doctor,
                                      held.weekends ? QStringLiteral("Week-ends et fériés")
                                                    : QStringLiteral("Semaine"),
                                      PointsText(held.before), PointsText(held.after),
                                      PointsText(held.share), PointsText(held.owed)});
    QString status;
    switch (found.status) {
    case SolveResult::Status::ProvenBest:
        status = found.fairestProven
                     ? QStringLiteral("La meilleure correction possible.")
                     : QStringLiteral("Le moins de jours modifiés possible ; la répartition des "
                                      "points est la plus juste trouvée dans le temps imparti.");
        break;
    case SolveResult::Status::BestFound:
        status = QStringLiteral("La meilleure correction trouvée dans le temps imparti.");
        break;
    case SolveResult::Status::NoAnswer:
    case SolveResult::Status::Impossible:
        status = QStringLiteral("Aucune correction n'a été trouvée.");
        break;
    }
    summary_->setText(QStringLiteral("%1 Avant : %2. Après : %3. %4 jour(s) modifié(s).")
                          .arg(status, AlertCount(found.alertsBefore.size()),
                               AlertCount(found.alertsAfter.size()))
                          .arg(found.after.size()));
    problems_->setText(found.problems.join(QStringLiteral("\n")));
    apply_->setEnabled(!found.after.isEmpty());
}

void RepairDialog::addEarlierYear()
{
    QList<int> years{session_.document().roster().year()};
    for (const FairnessYear& year : std::as_const(ledger_))
        years.append(year.year);
    const std::optional<FairnessYear> added =
        ChooseFairnessYear(session_.interaction(), years,
                           QFileInfo(session_.document().proposedSavePath()).absolutePath());
    if (!added)
        return;
    ledger_.append(*added);
    earlier_->setChecked(true);
    years.removeFirst();
    years.append(added->year);
    std::sort(years.begin(), years.end());
    earlierYears_->setText(YearsText(years));
}

void RepairDialog::apply()
{
    if (proposal_ && session_.applyRepair(*request_, *proposal_))
        accept();
}
