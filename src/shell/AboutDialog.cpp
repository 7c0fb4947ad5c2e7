#include "shell/AboutDialog.h"

#include "store/AppInfo.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("A propos de %1").arg(AppInfo::Title()));
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(AppInfo::Title(), this);
    QFont productFont = product->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 1.6);
    productFont.setBold(true);
    product->setFont(productFont);
    layout->addWidget(product);
    layout->addWidget(
        new QLabel(QStringLiteral("Gestionnaire et générateur de tours de garde"), this));
    layout->addWidget(new QLabel(QStringLiteral("Version %1").arg(AppInfo::VersionText()), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
