#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QWidget;

// Opens the desktop's own mouse settings: the first known settings program found on
// PATH, started detached. Program list, PATH lookup and start can be replaced (tests).
class MouseSettingsLauncher
{
    Q_DISABLE_COPY(MouseSettingsLauncher)

public:
    struct Program
    {
        QString program;
        QStringList arguments;
        QStringList desktops;   // XDG_CURRENT_DESKTOP names it belongs to; they go first there
    };

    using Finder = std::function<QString(const QString& program)>;   // full path, empty when missing
    using Starter = std::function<bool(const QString& path, const QStringList& arguments)>;

    MouseSettingsLauncher();
    ~MouseSettingsLauncher();

    // The usual programs, those of `currentDesktop` (colon-separated, as in XDG_CURRENT_DESKTOP) first.
    static QVector<Program> DefaultPrograms(const QString& currentDesktop);

    void setPrograms(const QVector<Program>& programs) { m_programs = programs; }
    const QVector<Program>& programs() const { return m_programs; }
    void setFinder(Finder finder) { m_finder = std::move(finder); }
    void setStarter(Starter starter) { m_starter = std::move(starter); }

    // Starts the first program that exists and starts; the index of it, or -1 when none did.
    int start() const;
    // start(), and when nothing started, tells the user so in a warning box.
    bool open(QWidget* parent) const;

    static const char* NotFoundText();

private:
    QVector<Program> m_programs;
    Finder m_finder;
    Starter m_starter;
};
