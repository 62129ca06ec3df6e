// Prints, against a virtual mouse that answers at once: the wall time of a full write
// with 0 and with 12 macros, its exchanges, and the ratio to the floor set by the
// protocol's fixed waits (10 ms after each write, 50 ms per macro); bench_poller measures
// the poller. Before each write the files hold the settings, as after the start-up load,
// except the profiles a line names as edited: the write's save stores those.
#include "AppPaths.h"
#include "BenchMouse.h"
#include "ConfigFiles.h"
#include "Descriptor.h"
#include "HidTransport.h"
#include "MacroFile.h"
#include "MouseSession.h"
#include "ProfileWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

SettingsRecord WithMacros(int macros)
{
    SettingsRecord s;
    for (ProfileRecord& p : s.profiles)
        MakeDefaultProfile(p);
    for (int i = 0; i < kProfileCount; ++i)
        s.names[i] = QStringLiteral("Bench %1").arg(i + 1);
    for (int m = 0; m < macros; ++m) {
        const QString name = QStringLiteral("Macro%1").arg(m);
        MacroData data;
        for (int k = 0; k < 20; ++k)
            data.events << MacroEvent::keyEvent(quint8(4 + k), k % 2 == 0);
        SaveMacroFile(name, data);
        ButtonRecord& b = s.profiles[0].BUTTON_INFO[m];
        b.Fun = kMacroFunction;
        b.macroname = name;
        b.LoopNumber = 1;
    }
    return s;
}

void TimeWrite(const char* label, int macros, int editedProfiles = 0)
{
    SettingsRecord s = WithMacros(macros);
    SaveSettings(s);
    for (int i = 0; i < editedProfiles; ++i)
        ++s.profiles[i].LedModes[0].breath;
    CurrentSettings() = s;
    WrittenSettings() = s;
    QElapsedTimer timer;
    timer.start();
    const quint8 result = MouseSession::instance().apply(true);
    const double ms = timer.nsecsElapsed() / 1e6;
    const WriteStats stats = LastWriteStats();
    const double floor = stats.exchanges * 10.0 + stats.macrosEncoded * 50.0;
    std::printf("%-40s result %d, %4d exchanges, %2d macros, %8.1f ms, floor %7.1f ms, ratio %.2f\n", label,
                result, stats.exchanges, stats.macrosEncoded, ms, floor, ms / floor);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("MOUSECFG_APP_DIR", dir.path().toLocal8Bit());
    QFile::copy(QStringLiteral(MOUSECFG_SOURCE_DIR "/resources/DefaultProfile.ini"), DescriptorPath());
    {
        QFile config(ConfigIniPath());
        QDir().mkpath(ConfigsDir());
        config.open(QIODevice::WriteOnly);
        config.write("[Mouse_List]\n0=X8 Wireless\n[MouseSenSor]\n1=3389\n");
    }
    // Twelve buttons can carry macros only with twelve listed positions.
    QFile descriptor(DescriptorPath());
    descriptor.open(QIODevice::Append);
    descriptor.write("ButtonCount=16\nMouseDpi=0\n");
    for (int i = 0; i < kDescriptorButtons; ++i)
        descriptor.write(QStringLiteral("BUTTON_INFO_%1_Matrix=%1\n").arg(i).toLatin1());
    descriptor.close();
    ReadButtonMatrix(ButtonMatrix());

    BenchMouse link;

    TimeWrite("full write, 0 macros", 0);
    TimeWrite("full write, 12 macros", 12);
    TimeWrite("full write, 0 macros, 1 profile edited", 0, 1);
    TimeWrite("full write, 0 macros, 5 profiles edited", 0, 5);

    return 0;
}
