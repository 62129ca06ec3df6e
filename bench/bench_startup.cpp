// Prints the median time from starting mousecfg until its main window is shown (virtual
// mouse, offscreen) and the resident memory at that point, over several runs.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A fresh install in a temporary directory: the shipped files copied, the built pictures
// linked. The program saves settings at start; they must not land in build/bin.
bool LayOutAppDir(const QString& target)
{
    const QString shipped = QStringLiteral(MOUSECFG_SHIPPED_DIR);
    QDirIterator it(shipped, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = target + from.mid(shipped.size());
        QDir().mkpath(QFileInfo(to).absolutePath());
        if (!QFile::copy(from, to))
            return false;
    }
    return QFile::link(QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin"), target + QStringLiteral("/skin"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 7;
    QTemporaryDir state;
    const QString appDir = state.filePath(QStringLiteral("app"));
    if (!LayOutAppDir(appDir)) {
        std::fprintf(stderr, "cannot lay out an application directory in %s\n", qPrintable(appDir));
        return 1;
    }
    std::vector<double> times;
    std::vector<long> rss;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("MOUSECFG_DEVICE"), QStringLiteral("virtual"));
        env.insert(QStringLiteral("MOUSECFG_APP_DIR"), appDir);
        env.insert(QStringLiteral("MOUSECFG_VIRTUAL_STATE"), state.filePath(QStringLiteral("vm.ini")));
        env.insert(QStringLiteral("MOUSECFG_POINTER_SPEED"), QStringLiteral("none"));
        env.insert(QStringLiteral("MOUSECFG_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
        process.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral(MOUSECFG_PROGRAM), QStringList());
        process.waitForFinished(30000);
        const double ms = timer.nsecsElapsed() / 1e6;
        const QByteArray out = process.readAllStandardOutput();
        const int at = out.indexOf("rss_kb=");
        if (at < 0) {
            std::fprintf(stderr, "run %d: the window was not shown\n%s\n", i, process.readAllStandardError().constData());
            return 1;
        }
        times.push_back(ms);
        rss.push_back(out.mid(at + 7).trimmed().toLong());
    }
    std::sort(times.begin(), times.end());
    std::sort(rss.begin(), rss.end());
    std::printf("start until the window is shown: median %.1f ms over %d runs (incl. process exit)\n",
                times[times.size() / 2], runs);
    std::printf("resident memory when shown:      median %ld kB\n", rss[rss.size() / 2]);
    return 0;
}
