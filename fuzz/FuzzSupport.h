#pragma once

#include "AppPaths.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

// What must hold after every input: a breach aborts, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition, what)                                                       \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "%s:%d: %s (%s)\n", __FILE__, __LINE__, what, #condition); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

namespace fuzz {

// Inputs larger than any file a user is handed only slow the search down.
constexpr size_t kMaxInput = 64 * 1024;

inline QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

// One application and one private application directory for the whole run. Files go
// under fresh names: a settings file read under a name already seen could come from a
// cache when its size and time stamp match the previous input's.
class Environment
{
public:
    static Environment& instance()
    {
        static Environment environment;
        return environment;
    }

    QString appDir() const { return m_dir.path(); }
    QString uniqueName(const char* prefix) { return QString::fromLatin1(prefix) + QString::number(++m_serial); }
    // Points MOUSECFG_APP_DIR at an application directory no input used before; its path.
    QString useFreshAppDir()
    {
        const QString dir = appDir() + QLatin1Char('/') + uniqueName("app");
        qputenv("MOUSECFG_APP_DIR", dir.toLocal8Bit());
        return dir;
    }

    static bool writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The shipped descriptor, so loads that consult it see the real model.
    void installShippedDescriptor() const
    {
        QFile::remove(DescriptorPath());
        QFile::copy(QStringLiteral(MOUSECFG_SOURCE_DIR "/resources/DefaultProfile.ini"), DescriptorPath());
    }

private:
    Environment()
    {
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        m_app = new QCoreApplication(argc, argv);
        // Diagnostics of rejected input would drown the fuzzer's own output.
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
        qputenv("MOUSECFG_APP_DIR", m_dir.path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
        qputenv("MOUSECFG_VIRTUAL_STATE", (m_dir.path() + QStringLiteral("/vm.ini")).toLocal8Bit());
        QDir().mkpath(ConfigsDir());
    }

    // Every save syncs its file to disk: in memory that costs nothing.
    static QString MemoryBackedFolder()
    {
        const QString shm = QStringLiteral("/dev/shm");
        return QDir(shm).exists() ? shm + QStringLiteral("/mousecfg-fuzz-XXXXXX") : QString();
    }

    QCoreApplication* m_app = nullptr;
    QTemporaryDir m_dir{MemoryBackedFolder()};
    quint64 m_serial = 0;
};

} // namespace fuzz
