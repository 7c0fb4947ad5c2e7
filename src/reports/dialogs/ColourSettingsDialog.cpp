#include "reports/dialogs/ColourSettingsDialog.h"

#include "reports/MeasuringCanvas.h"
#include "reports/PainterCanvas.h"
#include "reports/RosterTableLayout.h"
#include "store/Settings.h"
#include "store/Twips.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtMath>

namespace {

// The preview's resolution: the printed rows at about screen size.
constexpr int PreviewDotsPerMetre = 3780;

} // namespace

ColourSettingsDialog::ColourSettingsDialog(const PrintColours& colours, ColourChooser chooseColour,
                                           QWidget* parent)
    : QDialog(parent)
    , colours_(colours)
    , chooseColour_(std::move(chooseColour))
    , picture_(new QLabel(this))
    , save_(new QPushButton(QStringLiteral("&Enregistrer"), this))
{
    setWindowTitle(QStringLiteral("Aperçu de l'impression"));
    auto* frames = new QVBoxLayout;
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(frames);
    layout->addWidget(picture_, 0, Qt::AlignTop);
    week_ =
        addFrame(QStringLiteral("Jours de semaine"), QStringLiteral("Changer la &couleur du fond"),
                 QStringLiteral("Changer la couleur du &texte"), false);
    weekend_ = addFrame(QStringLiteral("Samedis, dimanches et jours fériés"),
                        QStringLiteral("Changer la c&ouleur du fond"),
                        QStringLiteral("Changer la couleur du t&exte"), true);
    for (const Frame& frame : {week_, weekend_})
        frames->addWidget(frame.transparent->parentWidget());

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(save_, QDialogButtonBox::AcceptRole);
    save_->setEnabled(false);
    buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Settings settings;
        WritePrintColours(settings, colours_);
        save_->setEnabled(false);
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    frames->addStretch();
    frames->addWidget(buttons);
    redraw();
}

ColourSettingsDialog::Frame ColourSettingsDialog::addFrame(const QString& title,
                                                           const QString& backgroundCaption,
                                                           const QString& textCaption, bool weekend)
{
    auto* box = new QGroupBox(title, this);
    Frame frame{new QRadioButton(QStringLiteral("Fond transparent"), box),
                new QRadioButton(QStringLiteral("Fond coloré"), box),
                new QPushButton(backgroundCaption, box), new QPushButton(textCaption, box)};
    auto* layout = new QVBoxLayout(box);
    for (QWidget* widget :
         {static_cast<QWidget*>(frame.transparent), static_cast<QWidget*>(frame.coloured),
          static_cast<QWidget*>(frame.background), static_cast<QWidget*>(frame.text)})
        layout->addWidget(widget);
    bool& transparent = weekend ? colours_.transparentWeekend : colours_.transparentWeek;
    QColor& background = weekend ? colours_.weekendBackground : colours_.weekBackground;
    QColor& text = weekend ? colours_.weekendText : colours_.weekText;
    (transparent ? frame.transparent : frame.coloured)->setChecked(true);
    frame.background->setEnabled(!transparent);
    connect(frame.transparent, &QRadioButton::toggled, this,
            [this, &transparent, button = frame.background](bool checked) {
                transparent = checked;
                button->setEnabled(!checked);
                changed();
            });
    for (const auto& [button, colour] :
         {std::pair{frame.background, &background}, std::pair{frame.text, &text}}) {
        connect(button, &QPushButton::clicked, this, [this, colour = colour] {
            if (const std::optional<QColor> chosen = chooseColour_(*colour, this)) {
                *colour = *chosen;
                changed();
            }
        });
    }
    return frame;
}

void ColourSettingsDialog::changed()
{
    save_->setEnabled(true);
    redraw();
}

void ColourSettingsDialog::redraw()
{
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(PreviewDotsPerMetre);
    probe.setDotsPerMeterY(PreviewDotsPerMetre);
    MeasuringCanvas measure(probe);
    const QSizeF twips = ColourSampleSize(measure);
    preview_ =
        QImage(qCeil(twips.width() * probe.logicalDpiX() / TwipsPerInch),
               qCeil(twips.height() * probe.logicalDpiY() / TwipsPerInch), QImage::Format_RGB32);
    preview_.setDotsPerMeterX(PreviewDotsPerMetre);
    preview_.setDotsPerMeterY(PreviewDotsPerMetre);
    preview_.fill(Qt::white);
    {
        PainterCanvas canvas(preview_);
        DrawColourSample(canvas, colours_);
    }
    picture_->setPixmap(QPixmap::fromImage(preview_));
}
