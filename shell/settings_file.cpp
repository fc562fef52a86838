#include "settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>

SettingsFile::SettingsFile(const QString& folder) : path_(QDir(folder).filePath(QStringLiteral("DAVURedav.ini"))) {}

QString SettingsFile::defaultFolder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QFileInfo existing(QDir(programFolder).filePath(QStringLiteral("DAVURedav.ini")));
    if (existing.exists() ? existing.isWritable() : QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config;
}

Settings SettingsFile::load() const
{
    QFile file(path_);
    if (!file.exists()) {
        const Settings defaults;
        save(defaults);
        return defaults;
    }
    if (!file.open(QIODevice::ReadOnly) || file.size() != kRecordSize)
        return {};
    const QByteArray record = file.read(kRecordSize);
    if (record.size() != kRecordSize)
        return {};
    Settings settings;
    settings.zone = qFromLittleEndian<qint16>(record.constData());
    settings.color = qFromLittleEndian<quint32>(record.constData() + 2);
    return settings;
}

bool SettingsFile::save(const Settings& settings) const
{
    char record[kRecordSize];
    qToLittleEndian<qint16>(settings.zone, record);
    qToLittleEndian<quint32>(settings.color, record + 2);
    QSaveFile file(path_);
    return file.open(QIODevice::WriteOnly) && file.write(record, kRecordSize) == kRecordSize && file.commit();
}
