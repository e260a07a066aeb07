#pragma once

#include <QSettings>
#include <QTemporaryDir>

// What the windows remember goes to a fresh folder for each test or benchmark program, so
// that no run depends on an earlier one or changes the user's own settings.
inline const struct FreshSettings {
    QTemporaryDir folder;
    FreshSettings() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    }
} freshSettings;
