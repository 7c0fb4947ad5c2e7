#include "roster_window/DayPropertiesDialog.h"

#include "controls/DialogButtons.h"
#include "controls/HelpSection.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

DayPropertiesDialog::DayPropertiesDialog(QDate day, const DayProperties& current, QWidget* parent)
    : QDialog(parent)
    , types_{new QRadioButton(QStringLiteral("un jour de semaine"), this),
             new QRadioButton(QStringLiteral("un samedi (non férié)"), this),
             new QRadioButton(QStringLiteral("un dimanche ou jour férié"), this)}
    , unavailable_(new QCheckBox(QStringLiteral("Marquer ce jour comme étant indisponible"), this))
    , save_(new QPushButton(QStringLiteral("&Enregistrer"), this))
    , storedType_(current.type)
{
    setWindowTitle(
        QStringLiteral("Propriété du %1")
            .arg(QLocale(QLocale::French).toString(day, QStringLiteral("dddd dd MMMM yyyy"))));
    SetHelpSection(*this, QStringLiteral("proprietes"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Le type de jour influence l'affichage.\n"
                       "Il sert également à l'élaboration du mémoire d'honoraires.\n"
                       "Vous pouvez le modifier, en raison, par exemple, de particularités "
                       "locales.\n\n"
                       "Dans le tour de garde, ce jour est:"),
        this));
    // A type outside the three a roster knows ticks none of them, and is kept unless one is
    // chosen.
    const int type = static_cast<int>(current.type);
    if (type <= 2)
        types_[type]->setChecked(true);
    unavailable_->setChecked(current.unavailable);
    save_->setEnabled(false);
    for (QRadioButton* type : types_) {
        layout->addWidget(type);
        connect(type, &QRadioButton::clicked, save_, [this] { save_->setEnabled(true); });
    }
    layout->addSpacing(8);
    layout->addWidget(unavailable_);
    connect(unavailable_, &QCheckBox::clicked, save_, [this] { save_->setEnabled(true); });

    auto* buttons = AcceptOrCancel(*this, save_);
    layout->addWidget(buttons);
}

DayProperties DayPropertiesDialog::properties() const
{
    for (int index = 0; index < 3; ++index) {
        if (types_[index]->isChecked())
            return {static_cast<DayType>(index), unavailable_->isChecked()};
    }
    return {storedType_, unavailable_->isChecked()};
}
