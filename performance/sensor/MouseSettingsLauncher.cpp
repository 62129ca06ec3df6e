#include "MouseSettingsLauncher.h"

#include "TarnMessageBox.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QtGlobal>

MouseSettingsLauncher::MouseSettingsLauncher()
    : m_programs(DefaultPrograms(qEnvironmentVariable("XDG_CURRENT_DESKTOP")))
    , m_finder([](const QString& program) { return QStandardPaths::findExecutable(program); })
    , m_starter([](const QString& path, const QStringList& arguments) {
        return QProcess::startDetached(path, arguments);
    })
{
}

MouseSettingsLauncher::~MouseSettingsLauncher() = default;

QVector<MouseSettingsLauncher::Program> MouseSettingsLauncher::DefaultPrograms(const QString& currentDesktop)
{
    const QVector<Program> all{
        {QStringLiteral("gnome-control-center"), {QStringLiteral("mouse")}, {QStringLiteral("GNOME")}},
        {QStringLiteral("systemsettings"), {QStringLiteral("kcm_mouse")}, {QStringLiteral("KDE")}},
        {QStringLiteral("kcmshell6"), {QStringLiteral("kcm_mouse")}, {QStringLiteral("KDE")}},
        {QStringLiteral("kcmshell5"), {QStringLiteral("kcm_mouse")}, {QStringLiteral("KDE")}},
        {QStringLiteral("xfce4-mouse-settings"), {}, {QStringLiteral("XFCE")}},
        {QStringLiteral("mate-mouse-properties"), {}, {QStringLiteral("MATE")}},
        {QStringLiteral("cinnamon-settings"), {QStringLiteral("mouse")}, {QStringLiteral("X-Cinnamon")}},
        {QStringLiteral("budgie-control-center"), {QStringLiteral("mouse")}, {QStringLiteral("Budgie")}},
        {QStringLiteral("lxqt-config-input"), {}, {QStringLiteral("LXQt")}},
        {QStringLiteral("lxinput"), {}, {QStringLiteral("LXDE")}},
    };
    // A KDE session with GNOME's panel installed as well should still get its own.
    const QStringList current = currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QVector<Program> ordered;
    QVector<Program> others;
    for (const Program& program : all) {
        bool own = false;
        for (const QString& desktop : program.desktops)
            own = own || current.contains(desktop, Qt::CaseInsensitive);
        (own ? ordered : others).append(program);
    }
    return ordered + others;
}

int MouseSettingsLauncher::start() const
{
    for (int i = 0; i < m_programs.size(); ++i) {
        const QString path = m_finder ? m_finder(m_programs.at(i).program) : QString();
        if (path.isEmpty())
            continue;
        // One that is installed but will not start is no reason to give up on the rest.
        if (m_starter && m_starter(path, m_programs.at(i).arguments))
            return i;
    }
    return -1;
}

bool MouseSettingsLauncher::open(QWidget* parent) const
{
    if (start() >= 0)
        return true;
    TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"),
                         QCoreApplication::translate("QObject", NotFoundText()), QString(), parent);
    return false;
}

const char* MouseSettingsLauncher::NotFoundText()
{
    return QT_TRANSLATE_NOOP("QObject", "No mouse settings program was found.");
}
