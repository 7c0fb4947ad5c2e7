#pragma once

#include <QString>

// A participant's administrative data, printed on the monthly on-call table.
struct AdministrativeData {
    QString doctor;
    QString civilName; // Etat-Civil
    QString identification;
    QString address;
    QString postalCode;
    QString town;

    bool operator==(const AdministrativeData&) const = default;

    // The name printed: the full name, or the participant's name when it has none.
    QString displayedName() const { return civilName.isEmpty() ? doctor : civilName; }
    // The postal code and the town, joined by one blank.
    QString postalTown() const { return postalCode + QLatin1Char(' ') + town; }
};
