#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The per-user settings store, under the application key "Vardo App Rotalis".
// Tests point it at a temporary folder with QSettings::setPath before the first use.
std::unique_ptr<QSettings> OpenAppSettings();

// The sector name given to new roster databases: section "Options", key "Secteur".
QString DefaultSectorName();
