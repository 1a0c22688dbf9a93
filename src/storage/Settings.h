#pragma once

#include <QString>

// Per-user settings under the executable's name: groups "Options", "Match" and "Club".
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& section, const QString& key, const QString& value);
