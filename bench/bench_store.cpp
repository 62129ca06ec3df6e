// Prints the median wall time of the settings load at start-up (LoadSettings over five
// full profile files, then WriteDefaultProfileFile) and of one SaveProfileFile.
#include "AppPaths.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "SettingsRecord.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double MedianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Every field non-zero so the files hold their full text.
ProfileRecord FullProfile(int seed)
{
    ProfileRecord p;
    MakeDefaultProfile(p);
    for (int b = 0; b < kButtonCount; ++b)
        for (int k = 0; k < kKeyInfoCount; ++k)
            p.BUTTON_INFO[b].KeyInfo[k] = {quint8(seed + k), quint8(b + k), quint8(200)};
    p.ProfileName = QStringLiteral("Bench %1").arg(seed);
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("MOUSECFG_APP_DIR", dir.path().toLocal8Bit());
    const QString source = QStringLiteral(MOUSECFG_SOURCE_DIR "/resources/DefaultProfile.ini");
    QFile::copy(source, DescriptorPath());

    SettingsRecord record;
    for (int i = 0; i < kProfileCount; ++i) {
        record.names[i] = QStringLiteral("Bench %1").arg(i + 1);
        record.profiles[i] = FullProfile(i);
        SaveProfileFile(record.profiles[i], ProfileFilePath(record.names[i]));
    }
    {
        auto ini = OpenIni(ConfigIniPath());
        for (int i = 0; i < kProfileCount; ++i)
            ini->setValue(QStringLiteral("Config/Profile%1").arg(i + 1), record.names[i]);
    }

    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 15;
    const double load = MedianMs(runs, [] {
        SettingsRecord loaded;
        LoadSettings(loaded);
        WriteDefaultProfileFile();
    });
    const double save = MedianMs(runs, [&] {
        SaveProfileFile(record.profiles[0], ProfileFilePath(record.names[0]));
    });
    std::printf("LoadSettings + WriteDefaultProfileFile (5 full profiles): median %.2f ms over %d runs\n",
                load, runs);
    std::printf("SaveProfileFile (one full profile, 8453 keys):          median %.2f ms over %d runs\n",
                save, runs);
    return 0;
}
