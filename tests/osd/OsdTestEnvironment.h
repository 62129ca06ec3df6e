#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

// A private runtime directory for the OSD socket while it lives, so tests never meet
// a real OSD of the user's session.
class OsdTestEnvironment
{
public:
    OsdTestEnvironment()
        : m_hadRuntime(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        , m_runtime(qgetenv("XDG_RUNTIME_DIR"))
    {
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
    }
    ~OsdTestEnvironment()
    {
        if (m_hadRuntime)
            qputenv("XDG_RUNTIME_DIR", m_runtime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    Q_DISABLE_COPY(OsdTestEnvironment)

    bool m_hadRuntime;
    QByteArray m_runtime;
    QTemporaryDir m_dir;
};
