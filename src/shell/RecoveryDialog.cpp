#include "shell/RecoveryDialog.h"

#include "controls/DialogButtons.h"
#include "store/AppInfo.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

RecoveryDialog::RecoveryDialog(const QList<WorkRecord>& rosters, QWidget* parent)
    : QDialog(parent)
    , list_(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Récupération des tours de garde"));
    list_->setHeaderLabels({QStringLiteral("Tour de garde"), QStringLiteral("Fichier"),
                            QStringLiteral("Dernière modification")});
    list_->setRootIsDecorated(false);
    const QLocale french(QLocale::French);
    for (const WorkRecord& roster : rosters) {
        auto* item = new QTreeWidgetItem(
            list_,
            {roster.caption,
             roster.filePath.isEmpty() ? QStringLiteral("(jamais enregistré)") : roster.filePath,
             french.toString(roster.lastEdit, QStringLiteral("dddd d MMMM yyyy 'à' HH:mm"))});
        item->setCheckState(0, Qt::Checked);
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = AcceptOrCancel(*this, QStringLiteral("&OK"), QStringLiteral("&Plus tard"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("%1 s'est arrêté sans fermer ces tours de garde, qui contiennent des "
                       "modifications non enregistrées.\nLes tours de garde cochés seront "
                       "rouverts ; les autres seront supprimés, avec leurs modifications non "
                       "enregistrées.")
            .arg(AppInfo::Title()),
        this));
    layout->addWidget(list_);
    layout->addWidget(new QLabel(QStringLiteral("« Plus tard » les proposera de nouveau au "
                                                "prochain démarrage."),
                                 this));
    layout->addWidget(buttons);
    resize(720, 300);
}

QList<bool> RecoveryDialog::reopened() const
{
    QList<bool> ticked;
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        ticked.append(list_->topLevelItem(i)->checkState(0) == Qt::Checked);
    return ticked;
}
