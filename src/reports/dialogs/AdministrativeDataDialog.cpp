#include "reports/dialogs/AdministrativeDataDialog.h"

#include "reports/dialogs/EditAdministrativeDataDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

AdministrativeDataDialog::AdministrativeDataDialog(const AdministrativeDataWindow& window,
                                                   QWidget* parent)
    : QDialog(parent)
    , window_(window)
    , list_(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Etat-civil des participants"));
    list_->setHeaderLabels({QStringLiteral("Nom"), QStringLiteral("N° Identification"),
                            QStringLiteral("Adresse"), QStringLiteral("Ville")});
    list_->setRootIsDecorated(false);
    for (qsizetype i = 0; i < window_.participants.size(); ++i) {
        new QTreeWidgetItem(list_);
        showRow(i);
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));

    const auto edit = [this] {
        editSelected([this](const AdministrativeData& data) -> std::optional<AdministrativeData> {
            EditAdministrativeDataDialog dialog(data, this);
            if (dialog.exec() != QDialog::Accepted)
                return std::nullopt;
            return dialog.data();
        });
    };
    connect(list_, &QTreeWidget::itemDoubleClicked, this, edit);
    auto* buttons = new QDialogButtonBox(this);
    connect(buttons->addButton(QStringLiteral("&Editer"), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, edit);
    connect(buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(720, 360);
}

void AdministrativeDataDialog::showRow(qsizetype index)
{
    const AdministrativeData& data = window_.participants.at(index);
    QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(index));
    const QStringList texts{data.displayedName(), data.identification, data.address,
                            data.postalTown()};
    for (int column = 0; column < texts.size(); ++column)
        item->setText(column, texts.at(column));
}

void AdministrativeDataDialog::editSelected(
    const std::function<std::optional<AdministrativeData>(const AdministrativeData&)>& editor)
{
    const int index = list_->indexOfTopLevelItem(list_->currentItem());
    if (index < 0)
        return;
    const std::optional<AdministrativeData> edited = editor(window_.participants.at(index));
    if (!edited || !window_.save(index, *edited))
        return;
    window_.participants[index] = *edited;
    showRow(index);
}
