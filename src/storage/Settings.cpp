#include "storage/Settings.h"

#include <QSettings>

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings settings;
    return settings.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

void SaveSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings;
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
}
