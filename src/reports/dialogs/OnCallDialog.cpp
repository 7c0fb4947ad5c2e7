#include "reports/dialogs/OnCallDialog.h"

#include "document/Interaction.h"
#include "reports/dialogs/PrintButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

OnCallDialog::OnCallDialog(Interaction& ui, const OnCallOffer& offer, QWidget* parent)
    : QDialog(parent)
    , months_(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Impression du tableau mensuel des astreintes"));
    months_->addItems({"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août",
                       "Septembre", "Octobre", "Novembre", "Décembre"});
    // Its number follows December's: OnCallRequest::WholeYear.
    months_->addItem(QStringLiteral("Toute l'année"));
    auto* explanation = new QLabel(
        QStringLiteral("Cette fonction va imprimer le tableau mensuel des astreintes, destiné à "
                       "votre conseil départemental de l'Ordre.\r\n\r\n"
                       "Des renseignements administratifs sur les participants sont requis (nom "
                       "complet, N° d'identification et adresse exacte).\r\n"
                       "Vous pouvez vérifier et compléter ces informations à l'aide du bouton "
                       "'Editer les données administratives'.\r\n\r\n"
                       "Indiquez ensuite le mois souhaité, et éventuellement configurez "
                       "l'imprimante à utiliser. Notez cependant que l'impression se fera "
                       "uniquement au format A4 (21 x 29,7 cm) et en orientation Paysage."),
        this);
    explanation->setWordWrap(true);
    explanation->setTextFormat(Qt::PlainText);

    auto* tools = new QHBoxLayout;
    const auto button = [this](const QString& caption, auto&& action) {
        auto* created = new QPushButton(caption, this);
        connect(created, &QPushButton::clicked, this, action);
        return created;
    };
    auto* printerName = new QLabel(this);
    const auto usePrinter = [this, printerName](const PrintChoice& chosen) {
        request_.printer = chosen;
        printerName->setText(chosen.outputFile.isEmpty() ? chosen.printerName : chosen.outputFile);
    };
    tools->addWidget(button(QStringLiteral("&Configurer l'imprimante"), [&ui, usePrinter] {
        // The table prints on A4 landscape only.
        if (std::optional<PrintChoice> chosen = ui.choosePrinter({true, QSizeF(210, 297)}))
            usePrinter(*chosen);
    }));
    tools->addWidget(button(QStringLiteral("&Editer les données administratives"),
                            [edit = offer.editAdministrativeData] { edit(); }));
    tools->addWidget(printerName);
    tools->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    for (const auto& [caption, output] :
         {std::pair{QStringLiteral("&Imprimer"), PrintOutput::Printer},
          // "&Annuler" has the A.
          std::pair{QStringLiteral("Aperçu a&vant impression"), PrintOutput::Preview},
          std::pair{QStringLiteral("Enregistrer en &PDF"), PrintOutput::Pdf}}) {
        QPushButton* added = button(caption, [this, output = output] {
            request_.month = months_->currentIndex() + 1;
            request_.output = output;
            accept();
        });
        const bool print = output == PrintOutput::Printer;
        buttons->addButton(added,
                           print ? QDialogButtonBox::AcceptRole : QDialogButtonBox::ActionRole);
        if (print)
            AddPrintShortcut(*added);
    }
    buttons->addButton(button(QStringLiteral("&Annuler"), [this] { reject(); }),
                       QDialogButtonBox::RejectRole);

    // Back from a preview, the dialog is as the user left it.
    if (offer.previous) {
        months_->setCurrentIndex(offer.previous->month - 1);
        if (offer.previous->printer)
            usePrinter(*offer.previous->printer);
    }

    auto* month = new QHBoxLayout;
    month->addWidget(new QLabel(QStringLiteral("Indiquez le mois désiré:"), this));
    month->addWidget(months_);
    month->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(month);
    layout->addLayout(tools);
    layout->addWidget(buttons);
    setMinimumWidth(620);
}
