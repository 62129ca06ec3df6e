#pragma once

#include "AppPaths.h"
#include "IniFile.h"

#include <QDebug>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

// What the command-line tests share: the stored files' bytes (to prove a refusal changed
// nothing), a Config.ini key set up front, and the JSON of `show --json`.

inline QMap<QString, QByteArray> StoredConfigBytes(const QString& configsDir)
{
    QMap<QString, QByteArray> bytes;
    QDirIterator it(configsDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        bytes.insert(it.filePath(), f.readAll());
    }
    return bytes;
}

inline void SetConfigIniKey(const QString& key, const QVariant& value)
{
    OpenIni(ConfigIniPath())->setValue(key, value);
}

inline QJsonObject ParseShowJson(int code, const QString& out, const QString& err)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(out.toUtf8(), &error);
    if (code != 0 || error.error != QJsonParseError::NoError)
        qWarning() << code << error.errorString() << err;
    return doc.object();
}
