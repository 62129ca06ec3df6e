#pragma once

#include <QObject>
#include <QString>

// The window in front as the desktop names it.
struct FrontWindow
{
    quint32 id = 0;           // 0: no window in front
    QString instanceName;     // WM_CLASS, first part
    QString className;        // WM_CLASS, second part
    QString executable;       // file name of the owning program, when known
    qint64 pid = 0;           // the owning program, 0 when unknown
};
Q_DECLARE_METATYPE(FrontWindow)

// Tells when another window comes to the front. Sources watch the desktop's events; they
// do not poll.
class FrontWindowSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // False where the window in front cannot be known (no X11 access to it).
    virtual bool available() const = 0;
    // The WM_CLASS names of the programs' windows now open, for picking a rule.
    virtual QStringList runningClasses() const = 0;
    // The window in front now (id 0 when none or unknown).
    virtual FrontWindow frontWindow() const = 0;

signals:
    void FrontWindowSignal(const FrontWindow& window);
};
