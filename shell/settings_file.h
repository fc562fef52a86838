#pragma once
// DAVURedav.ini: the program's settings, one record of 6 bytes, little-endian:
// the zone number (16-bit signed) and the main window's background colour
// (32-bit, 0x00BBGGRR).

#include <QString>
#include <cstdint>

struct Settings {
    int16_t zone = 8;
    uint32_t color = 0x00FFC0C0; // red 192, green 192, blue 255
};

class SettingsFile {
public:
    static constexpr qint64 kRecordSize = 6;

    // The file DAVURedav.ini in folder.
    explicit SettingsFile(const QString& folder);

    // The program's folder when it can be written, else the user's
    // configuration folder.
    static QString defaultFolder();

    // The stored settings. A missing file is created with the defaults; a file
    // that is short, long or unreadable gives the defaults and is left as it is.
    Settings load() const;

    // Writes the settings through a temporary file renamed over the old one, so
    // a failed write leaves the old file intact. False when it could not be
    // written.
    bool save(const Settings& settings) const;

    const QString& path() const { return path_; }

private:
    QString path_;
};
