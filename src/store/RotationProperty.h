#pragma once

#include <QString>
#include <QStringList>

// The year as the wizard generated it, kept in the roster file so that a correction can go back
// to it: one holder per day of the year in date order (empty text for nobody), as a JSON array
// of texts in the property "Rotation". A roster made blank has none.
namespace RotationProperty {

inline constexpr char Name[] = "Rotation";

QString Text(const QStringList& holders);
// The holders the text names, one per day of a year of that many days; none when the text is
// not such an array (another program may write anything there).
QStringList Holders(const QString& text, qsizetype days);

} // namespace RotationProperty
