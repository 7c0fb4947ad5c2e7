#include "reports/PrintColours.h"

#include <QSettings>

namespace {

const QString True = QStringLiteral("True");
const QString False = QStringLiteral("False");

bool ReadFlag(QSettings& settings, const char* key, bool fallback)
{
    const QString text =
        settings.value(QStringLiteral("Printing/") + QLatin1String(key)).toString();
    // Also the forms the shell's own settings and older programs wrote.
    for (const QString& yes : {True, QStringLiteral("Vrai"), QStringLiteral("-1")}) {
        if (text.compare(yes, Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const QString& no : {False, QStringLiteral("Faux"), QStringLiteral("0")}) {
        if (text.compare(no, Qt::CaseInsensitive) == 0)
            return false;
    }
    return fallback;
}

QColor ReadColour(QSettings& settings, const char* key, QColor fallback)
{
    const QString text =
        settings.value(QStringLiteral("Printing/") + QLatin1String(key)).toString();
    return ColourFromSetting(text).value_or(fallback);
}

} // namespace

std::optional<QColor> ColourFromSetting(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qlonglong number = trimmed.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)
                                 ? trimmed.mid(2).toLongLong(&ok, 16)
                                 : trimmed.toLongLong(&ok, 10);
    if (!ok || number < 0 || number > 0xFFFFFF)
        return std::nullopt;
    return QColor(static_cast<int>(number & 0xFF), static_cast<int>(number >> 8 & 0xFF),
                  static_cast<int>(number >> 16 & 0xFF));
}

QString ColourToSetting(QColor colour)
{
    return QString::number(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

PrintColours ReadPrintColours(QSettings& settings)
{
    const PrintColours defaults;
    return {ReadFlag(settings, "TransparentWeek", defaults.transparentWeek),
            ReadFlag(settings, "TransparentWE", defaults.transparentWeekend),
            ReadColour(settings, "Color0", defaults.weekendBackground),
            ReadColour(settings, "Color1", defaults.weekendText),
            ReadColour(settings, "Color2", defaults.weekBackground),
            ReadColour(settings, "Color3", defaults.weekText)};
}

void WritePrintColours(QSettings& settings, const PrintColours& colours)
{
    settings.setValue(QStringLiteral("Printing/TransparentWeek"),
                      colours.transparentWeek ? True : False);
    settings.setValue(QStringLiteral("Printing/TransparentWE"),
                      colours.transparentWeekend ? True : False);
    settings.setValue(QStringLiteral("Printing/Color0"),
                      ColourToSetting(colours.weekendBackground));
    settings.setValue(QStringLiteral("Printing/Color1"), ColourToSetting(colours.weekendText));
    settings.setValue(QStringLiteral("Printing/Color2"), ColourToSetting(colours.weekBackground));
    settings.setValue(QStringLiteral("Printing/Color3"), ColourToSetting(colours.weekText));
}
