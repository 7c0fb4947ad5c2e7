#include "reports/dialogs/EditAdministrativeDataDialog.h"

#include "controls/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

EditAdministrativeDataDialog::EditAdministrativeDataDialog(const AdministrativeData& data,
                                                           QWidget* parent)
    : QDialog(parent)
    , data_(data)
{
    setWindowTitle(QStringLiteral("Etat-civil"));
    auto* participant = new QLabel(data.doctor, this);
    participant->setTextFormat(Qt::PlainText);
    QFont bold = participant->font();
    bold.setBold(true);
    participant->setFont(bold);
    auto* form = new QFormLayout;
    auto* save = new QPushButton(QStringLiteral("&Enregistrer"), this);
    save->setEnabled(false);
    QDialogButtonBox* buttons = AcceptOrCancel(*this, save);
    // The lengths of the roster file's fields: a longer text could not be saved.
    const struct {
        const char* label;
        QString text;
        int length;
    } fields[] = {{"Nom complet:", data.displayedName(), 50},
                  {"N° d'identification:", data.identification, 25},
                  {"Adresse:", data.address, 50},
                  {"Code postal:", data.postalCode, 7},
                  {"Ville:", data.town, 25}};
    for (const auto& field : fields) {
        auto* edit = new QLineEdit(field.text, this);
        edit->setMaxLength(field.length);
        connect(edit, &QLineEdit::textEdited, save, [save] { save->setEnabled(true); });
        form->addRow(QString::fromUtf8(field.label), edit);
        fields_.append(edit);
    }
    auto* note = new QLabel(QStringLiteral("Ces renseignements sont utilisés pour l'édition du "
                                           "tableau mensuel des astreintes."),
                            this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(participant);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    // The user came to type: the first field has the focus, not a button.
    fields_.first()->setFocus();
}

AdministrativeData EditAdministrativeDataDialog::data() const
{
    return {data_.doctor,          fields_.at(0)->text(), fields_.at(1)->text(),
            fields_.at(2)->text(), fields_.at(3)->text(), fields_.at(4)->text()};
}
