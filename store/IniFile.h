#pragma once

#include <QSettings>
#include <memory>

// QSettings on an INI file in the text Qt's own IniFormat writes, but readable and
// writable with QtCore alone: QColor values ("@Variant(\0\0\0\x43...)") come back as
// StoredColor and are written in the same form; other "@Variant(...)" values that
// QtCore cannot load are kept as their raw bytes and written back unchanged.
// A file that starts with a UTF-8 byte-order mark keeps it when rewritten (Qt drops it),
// so its UTF-8 text reads back the same here and in Qt.
QSettings::Format MousecfgIniFormat();

// Opens one settings file for a few reads or writes; destroying it flushes.
std::unique_ptr<QSettings> OpenIni(const QString& path);

// The reader and writer behind MousecfgIniFormat(), for callers that hold the bytes.
bool ReadMousecfgIni(QIODevice& device, QSettings::SettingsMap& map);
bool WriteMousecfgIni(QIODevice& device, const QSettings::SettingsMap& map);
