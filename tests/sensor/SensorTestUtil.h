#pragma once

#include "TestAppDir.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>

// The rendered skin of the build, copied so pages show their real pictures.
inline void CopySkin(const TestAppDir& app)
{
    const QDir source(QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin"));
    QDir().mkpath(app.file(QStringLiteral("skin")));
    for (const QString& name : source.entryList({QStringLiteral("*.png")}, QDir::Files))
        QFile::copy(source.filePath(name), app.file(QStringLiteral("skin/") + name));
}

inline void WriteSyncMode(const TestAppDir& app, int syncMode)
{
    app.write(QStringLiteral("DefaultProfile.bin"), QByteArray("[PROFILE]\nSyncMode=") + QByteArray::number(syncMode)
                                                        + "\n");
}

// With MOUSECFG_GRAB_DIR set, saves the page on the window's near-black background there.
inline void SaveGrab(QWidget* page, const QString& name)
{
    const QString dir = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    if (dir.isEmpty())
        return;
    QImage image(page->size(), QImage::Format_ARGB32);
    image.fill(QColor(16, 16, 18));
    QPainter painter(&image);
    page->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}
