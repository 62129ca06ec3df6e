#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

// A colour as QColor keeps it (spec + five 16-bit components), without QtGui.
// The settings files hold QColor's own stream form ("@Variant(\0\0\0\x43...)"),
// so a colour read here is written back byte for byte, whatever its spec.
class StoredColor
{
public:
    enum Spec : quint8 { Invalid = 0, Rgb = 1, Hsv = 2, Cmyk = 3, Hsl = 4, ExtendedRgb = 5 };

    StoredColor() = default;                                  // invalid, like QColor()
    static StoredColor fromRgb(int r, int g, int b, int a = 255);
    // "#rgb", "#rrggbb", "#aarrggbb", "#rrrgggbbb", "#rrrrggggbbbb" and the SVG colour names,
    // as QColor::setNamedColor accepts them; anything else gives an invalid colour.
    static StoredColor fromString(const QString& text);
    // QColor's QDataStream form (Qt_4_0 and later): qint8 spec, quint16 alpha, c1, c2, c3, c4.
    static StoredColor fromStreamBytes(const QByteArray& bytes, bool* ok = nullptr);
    QByteArray toStreamBytes() const;

    bool isValid() const { return m_spec != Invalid; }
    Spec spec() const { return Spec(m_spec); }
    // 8-bit RGB components, converted from HSV/HSL/CMYK as QColor::red() etc. do.
    int red() const;
    int green() const;
    int blue() const;
    int alpha() const;
    QString name() const;                                     // "#rrggbb"

    // Same rule as QColor::operator==: same spec and same components.
    bool operator==(const StoredColor& other) const;
    bool operator!=(const StoredColor& other) const { return !(*this == other); }

private:
    quint8 m_spec = Invalid;
    quint16 m_alpha = 0xFFFF;
    quint16 m_c[4] = {0, 0, 0, 0};                            // r,g,b,pad | h,s,v,pad | c,m,y,k | h,s,l,pad
};

Q_DECLARE_METATYPE(StoredColor)
