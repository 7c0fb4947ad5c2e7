#pragma once

#include "reports/PrintColours.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;

// frmColorImpression ("Aperçu de l'impression"): the colours of the year table's rows, for
// weekdays and for Saturdays, Sundays and holidays, with a preview drawn as the printed rows
// are. "&Enregistrer" writes them to the settings.
class ColourSettingsDialog : public QDialog {
    Q_OBJECT

public:
    // Picks a colour from the one given, over the window given; nothing when the user cancels.
    using ColourChooser = std::function<std::optional<QColor>(QColor current, QWidget* parent)>;

    ColourSettingsDialog(const PrintColours& colours, ColourChooser chooseColour, QWidget* parent);

    PrintColours colours() const { return colours_; }
    // The preview as drawn now.
    const QImage& preview() const { return preview_; }

private:
    struct Frame {
        QRadioButton* transparent;
        QRadioButton* coloured;
        QPushButton* background;
        QPushButton* text;
    };
    Frame addFrame(const QString& title, const QString& backgroundCaption,
                   const QString& textCaption, bool weekend);
    void changed();
    void redraw();

    PrintColours colours_;
    ColourChooser chooseColour_;
    QImage preview_;
    QLabel* picture_;
    QPushButton* save_;
    Frame week_;
    Frame weekend_;
};
