#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

// A throw-away application directory: MOUSECFG_APP_DIR points at it while it lives.
class TestAppDir
{
public:
    TestAppDir()
    {
        qputenv("MOUSECFG_APP_DIR", m_dir.path().toLocal8Bit());
        QDir().mkpath(m_dir.path() + QStringLiteral("/Configs"));
    }
    ~TestAppDir() { qunsetenv("MOUSECFG_APP_DIR"); }

    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.path() + QLatin1Char('/') + relative; }

    // Writes a file below the directory (folders created), as raw text.
    void write(const QString& relative, const QByteArray& text) const
    {
        const QString full = file(relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile f(full);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text);
    }

    QByteArray read(const QString& relative) const
    {
        QFile f(file(relative));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    // The shipped descriptor of the build's model.
    void installShippedDescriptor() const
    {
        QFile::remove(file(QStringLiteral("DefaultProfile.bin")));
        QFile::copy(QStringLiteral(MOUSECFG_SOURCE_DIR "/resources/DefaultProfile.ini"),
                    file(QStringLiteral("DefaultProfile.bin")));
    }

private:
    QTemporaryDir m_dir;
};
