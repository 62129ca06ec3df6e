// Lays out Configs/ of an application directory (MOUSECFG_APP_DIR) at build time:
// merges the shipped read-only keys of Config.ini and, on a first install only,
// writes the five default profiles and their names.
#include "ConfigSeed.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mousecfg-seed SHIPPED_CONFIG_INI\n");
        return 2;
    }
    QString error;
    if (!SeedConfigs(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "mousecfg-seed: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
