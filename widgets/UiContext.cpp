#include "UiContext.h"

#include "AppPaths.h"
#include "GlobalConfig.h"

#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QIODevice>
#include <QScreen>
#include <atomic>
#include <cmath>

namespace {

// Upper bounds of r = dpi / 96 for the factors 1.0 ... 4.75; above the last one 5.0.
constexpr double kScaleBounds[kScaleFactorCount - 1] = {
    1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8, 3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};

constexpr int kFallbackFontPixels = 12;
constexpr int kMaxFontPixels = 200;

std::atomic<int> g_scaleIndex{0};
std::atomic<int> g_colorMode{0};
std::atomic<int> g_connectedMice{0};

double FactorOfIndex(int index) { return 1.0 + 0.25 * index; }

} // namespace

double ScaleFactorForDpi(double logicalDpi, int* index)
{
    const double r = logicalDpi / 96.0;
    // A NaN DPI compares false everywhere; treat it as the plain 96 DPI screen.
    int row = 0;
    if (!std::isnan(r)) {
        row = kScaleFactorCount - 1;
        for (int i = 0; i < kScaleFactorCount - 1; ++i) {
            if (r < kScaleBounds[i]) {
                row = i;
                break;
            }
        }
    }
    if (index)
        *index = row;
    return FactorOfIndex(row);
}

double ScaleFactorForPrimaryScreen(int* index)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return ScaleFactorForDpi(screen ? screen->logicalDotsPerInch() : 96.0, index);
}

double UiScale() { return FactorOfIndex(g_scaleIndex.load()); }
int UiScaleIndex() { return g_scaleIndex.load(); }

void SetUiScale(double scale)
{
    if (!std::isfinite(scale))
        scale = 1.0;
    const double row = std::round((qBound(1.0, scale, 5.0) - 1.0) / 0.25);
    g_scaleIndex.store(qBound(0, int(row), kScaleFactorCount - 1));
}

int Scaled(int value) { return int(value * UiScale()); }

QRect ScaledRect(int x, int y, int width, int height)
{
    return QRect(Scaled(x), Scaled(y), Scaled(width), Scaled(height));
}

QColor AccentQColor()
{
    const AccentRgb rgb = AccentColor();
    return QColor(rgb.r, rgb.g, rgb.b);
}

QString AccentCss()
{
    const AccentRgb rgb = AccentColor();
    return QStringLiteral("rgb(%1,%2,%3)").arg(rgb.r).arg(rgb.g).arg(rgb.b);
}

QFont InterfaceFont()
{
    const int lang = LangID();
    QFont font = QGuiApplication::font();
    const QString family = LanguageFont(lang).trimmed();
    if (!family.isEmpty())
        font.setFamily(family);
    int pixels = LanguageFontSize(lang);
    if (pixels <= 0 || pixels > kMaxFontPixels)
        pixels = kFallbackFontPixels;
    font.setPixelSize(qMax(1, Scaled(pixels)));
    return font;
}

QString SkinPath(const QString& relative) { return AppDir() + QStringLiteral("/skin/") + relative; }

QPixmap SkinPixmap(const QString& relative)
{
    const QString path = SkinPath(relative);
    return QFile::exists(path) ? QPixmap(path) : QPixmap();
}

int ColorMode() { return g_colorMode.load(); }
void SetColorMode(int mode) { g_colorMode.store(mode); }

int ConnectedMouseCount() { return g_connectedMice.load(); }
void SetConnectedMouseCount(int count) { g_connectedMice.store(qMax(0, count)); }

QColor ToQColor(const StoredColor& color)
{
    QByteArray bytes = color.toStreamBytes();
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    QColor result;
    stream >> result;
    return stream.status() == QDataStream::Ok ? result : QColor();
}

StoredColor FromQColor(const QColor& color)
{
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_0);
        stream << color;
    }
    bool ok = false;
    const StoredColor result = StoredColor::fromStreamBytes(bytes, &ok);
    return ok ? result : StoredColor();
}
