#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// What the user sees of a skinned dialog: the accent frame on its edge and, just inside
// it, the skin picture stretched over the dialog (not the plain fill drawn without it).
// Empty when it shows, else what is wrong.
inline QString SkinDialogGrabProblem(const QImage& grab, const QImage& skin, const QColor& accent)
{
    if (grab.isNull() || skin.isNull())
        return QStringLiteral("no picture");
    const QImage stretched = skin.scaled(grab.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const auto near = [](const QColor& a, const QColor& b) {
        return qAbs(a.red() - b.red()) <= 24 && qAbs(a.green() - b.green()) <= 24 && qAbs(a.blue() - b.blue()) <= 24;
    };
    const int w = grab.width(), h = grab.height();
    for (const QPoint p : {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)}) {
        if (grab.pixelColor(p) != accent)
            return QStringLiteral("no accent frame at %1,%2").arg(p.x()).arg(p.y());
    }
    // Just inside the frame at the four corners, where no widget sits.
    for (const QPoint p : {QPoint(3, 3), QPoint(w - 4, 3), QPoint(3, h - 4), QPoint(w - 4, h - 4)}) {
        if (!near(grab.pixelColor(p), stretched.pixelColor(p)))
            return QStringLiteral("no skin at %1,%2").arg(p.x()).arg(p.y());
    }
    return QString();
}
