#include "reports/dialogs/RosterPrintDialog.h"

#include "document/Interaction.h"
#include "reports/dialogs/ColourSettingsDialog.h"
#include "reports/dialogs/PrintButtons.h"
#include "store/Settings.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString PrinterText(const std::optional<PrintChoice>& choice)
{
    const QString name = choice ? choice->printerName : QPrinterInfo::defaultPrinterName();
    if (choice && !choice->outputFile.isEmpty())
        return choice->outputFile;
    return name.isEmpty() ? QStringLiteral("(aucune)") : name;
}

} // namespace

RosterPrintDialog::RosterPrintDialog(Interaction& ui, const RosterPrintOffer& offer,
                                     QWidget* parent)
    : QDialog(parent)
    , ui_(ui)
    , copies_(new QSpinBox(this))
    , printerName_(new QLabel(PrinterText({}), this))
    , pages_{new QCheckBox(QStringLiteral("1er semestre"), this),
             new QCheckBox(QStringLiteral("2e semestre"), this),
             new QCheckBox(QStringLiteral("liste des gardes partagées"), this)}
{
    setWindowTitle(QStringLiteral("Impression du tableau de garde ") + offer.yearText);
    copies_->setRange(1, 99);
    copies_->setMaximumWidth(80);
    printerName_->setTextFormat(Qt::PlainText);
    for (QCheckBox* page : pages_)
        page->setChecked(true);
    pages_[2]->setVisible(offer.hasSharedIntervals);
    // Back from a preview, the dialog is as the user left it.
    if (const std::optional<RosterPrintRequest>& previous = offer.previous) {
        copies_->setValue(previous->copies);
        pages_[0]->setChecked(previous->firstHalf);
        pages_[1]->setChecked(previous->secondHalf);
        pages_[2]->setChecked(previous->sharedList || !offer.hasSharedIntervals);
        printer_ = previous->printer;
        printerName_->setText(PrinterText(printer_));
    }

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Copies:"), copies_);
    form->addRow(QStringLiteral("Imprimante actuelle:"), printerName_);
    auto* note = new QLabel(QStringLiteral("L'impression du tableau de garde se fait exlusivement "
                                           "au format A4 (21 cm x 29,7 cm) en orientation "
                                           "Paysage."),
                            this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    auto* setUp = new QHBoxLayout;
    const auto add = [&](const QString& caption, auto&& action) {
        auto* button = new QPushButton(caption, this);
        connect(button, &QPushButton::clicked, this, action);
        return button;
    };
    const auto addTo = [&](QDialogButtonBox::ButtonRole role, const QString& caption,
                           auto&& action) {
        QPushButton* added = add(caption, action);
        buttons->addButton(added, role);
        return added;
    };
    AddPrintShortcut(*addTo(QDialogButtonBox::AcceptRole, QStringLiteral("&Imprimer"),
                            [this] { finish(PrintOutput::Printer); }));
    // "&Annuler" has the A.
    addTo(QDialogButtonBox::ActionRole, QStringLiteral("Aperçu a&vant impression"),
          [this] { finish(PrintOutput::Preview); });
    addTo(QDialogButtonBox::ActionRole, QStringLiteral("Enregistrer en &PDF"),
          [this] { finish(PrintOutput::Pdf); });
    addTo(QDialogButtonBox::RejectRole, QStringLiteral("&Annuler"), [this] { reject(); });
    setUp->addWidget(add(QStringLiteral("&Configurer l'imprimante"), [this] { setUpPrinter(); }));
    setUp->addWidget(add(QStringLiteral("C&onfigurer l'impression"), [this] {
        ColourSettingsDialog colours(
            ReadPrintColours(Settings()),
            [](QColor current, QWidget* parent) -> std::optional<QColor> {
                const QColor chosen = QColorDialog::getColor(current, parent);
                return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
            },
            this);
        colours.exec();
    }));
    setUp->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(setUp);
    for (QCheckBox* page : pages_)
        layout->addWidget(page);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setMinimumWidth(560);
}

void RosterPrintDialog::finish(PrintOutput output)
{
    // Only the boxes the user can see count.
    if (!pages_[0]->isChecked() && !pages_[1]->isChecked() &&
        !(!pages_[2]->isHidden() && pages_[2]->isChecked())) {
        ui_.tell(QStringLiteral("Indiquez au moins une page à imprimer."), MessageIcon::Warning);
        return;
    }
    output_ = output;
    accept();
}

void RosterPrintDialog::setUpPrinter()
{
    // The table prints on A4 landscape only.
    if (std::optional<PrintChoice> chosen = ui_.choosePrinter({true, QSizeF(210, 297)})) {
        printer_ = chosen;
        printerName_->setText(PrinterText(printer_));
    }
}

RosterPrintRequest RosterPrintDialog::request() const
{
    return {output_,
            copies_->value(),
            pages_[0]->isChecked(),
            pages_[1]->isChecked(),
            !pages_[2]->isHidden() && pages_[2]->isChecked(),
            printer_};
}
