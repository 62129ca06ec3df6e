#include "ConfigSeed.h"
#include "Descriptor.h"
#include "InstanceLock.h"
#include "MousecfgWidget.h"
#include "Pages.h"
#include "UiContext.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

long ResidentKilobytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    // The window hides on close; only the tray's Quit ends the program.
    app.setQuitOnLastWindowClosed(false);

    // Started with the desktop: straight into the tray, no window and no warning.
    const bool minimized = app.arguments().contains(QStringLiteral("--minimized"));

    const QString product = DescriptorProductName();
    InstanceLock lock(InstanceLock::ProductLockName(product));
    if (!lock.tryLock()) {
        lock.notifyRunningInstance();
        return 1;
    }

    QString seedError;
    if (!PrepareConfigs(&seedError))
        qWarning("cannot prepare the settings files: %s", qPrintable(seedError));

    MousecfgWidget window;
    InstallPages(window);
    QObject::connect(&lock, &InstanceLock::showRequested, &window, &MousecfgWidget::showRequested);
    if (minimized) {
        window.startMinimized();
    } else if (window.connectedCount() != 0) {
        window.setWindowOpacity(1.0);
        window.show();
    }
    window.setWindowIcon(QIcon(SkinPath(QStringLiteral("icon.png"))));
    window.setWindowTitle(product);
    // The start-up benchmark asks the program to report once its window is up, and leave.
    if (qEnvironmentVariableIsSet("MOUSECFG_EXIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, [&app] {
            std::printf("shown rss_kb=%ld\n", ResidentKilobytes());
            std::fflush(stdout);
            app.quit();
        });
    return app.exec();
}
