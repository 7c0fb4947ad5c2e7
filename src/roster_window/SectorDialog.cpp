#include "roster_window/SectorDialog.h"

#include "controls/DialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SectorDialog::SectorDialog(const QString& current, QWidget* parent)
    : QDialog(parent)
    , name_(new QLineEdit(current, this))
    , asDefault_(new QCheckBox(
          QStringLiteral("Toujours donner ce nom de secteur aux tours de garde à venir"), this))
{
    setWindowTitle(QStringLiteral("Secteur de garde"));
    auto* buttons = AcceptOrCancel(*this, QStringLiteral("&OK"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Donnez un nom à votre secteur de garde:"), this));
    layout->addWidget(name_);
    layout->addWidget(asDefault_);
    layout->addWidget(buttons);
}

SectorName SectorDialog::sector() const
{
    return {name_->text(), asDefault_->isChecked()};
}
