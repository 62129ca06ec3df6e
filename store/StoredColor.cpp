#include "StoredColor.h"

#include <QDataStream>
#include <QtNumeric>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

struct NamedColor
{
    const char* name;
    quint32 argb;
};

// The SVG colour keywords QColor knows, sorted by name.
const NamedColor kNamedColors[] = {
    {"aliceblue", 0xfff0f8ff}, {"antiquewhite", 0xfffaebd7}, {"aqua", 0xff00ffff},
    {"aquamarine", 0xff7fffd4}, {"azure", 0xfff0ffff}, {"beige", 0xfff5f5dc},
    {"bisque", 0xffffe4c4}, {"black", 0xff000000}, {"blanchedalmond", 0xffffebcd},
    {"blue", 0xff0000ff}, {"blueviolet", 0xff8a2be2}, {"brown", 0xffa52a2a},
    {"burlywood", 0xffdeb887}, {"cadetblue", 0xff5f9ea0}, {"chartreuse", 0xff7fff00},
    {"chocolate", 0xffd2691e}, {"coral", 0xffff7f50}, {"cornflowerblue", 0xff6495ed},
    {"cornsilk", 0xfffff8dc}, {"crimson", 0xffdc143c}, {"cyan", 0xff00ffff},
    {"darkblue", 0xff00008b}, {"darkcyan", 0xff008b8b}, {"darkgoldenrod", 0xffb8860b},
    {"darkgray", 0xffa9a9a9}, {"darkgreen", 0xff006400}, {"darkgrey", 0xffa9a9a9},
    {"darkkhaki", 0xffbdb76b}, {"darkmagenta", 0xff8b008b}, {"darkolivegreen", 0xff556b2f},
    {"darkorange", 0xffff8c00}, {"darkorchid", 0xff9932cc}, {"darkred", 0xff8b0000},
    {"darksalmon", 0xffe9967a}, {"darkseagreen", 0xff8fbc8f}, {"darkslateblue", 0xff483d8b},
    {"darkslategray", 0xff2f4f4f}, {"darkslategrey", 0xff2f4f4f}, {"darkturquoise", 0xff00ced1},
    {"darkviolet", 0xff9400d3}, {"deeppink", 0xffff1493}, {"deepskyblue", 0xff00bfff},
    {"dimgray", 0xff696969}, {"dimgrey", 0xff696969}, {"dodgerblue", 0xff1e90ff},
    {"firebrick", 0xffb22222}, {"floralwhite", 0xfffffaf0}, {"forestgreen", 0xff228b22},
    {"fuchsia", 0xffff00ff}, {"gainsboro", 0xffdcdcdc}, {"ghostwhite", 0xfff8f8ff},
    {"gold", 0xffffd700}, {"goldenrod", 0xffdaa520}, {"gray", 0xff808080}, {"green", 0xff008000},
    {"greenyellow", 0xffadff2f}, {"grey", 0xff808080}, {"honeydew", 0xfff0fff0},
    {"hotpink", 0xffff69b4}, {"indianred", 0xffcd5c5c}, {"indigo", 0xff4b0082},
    {"ivory", 0xfffffff0}, {"khaki", 0xfff0e68c}, {"lavender", 0xffe6e6fa},
    {"lavenderblush", 0xfffff0f5}, {"lawngreen", 0xff7cfc00}, {"lemonchiffon", 0xfffffacd},
    {"lightblue", 0xffadd8e6}, {"lightcoral", 0xfff08080}, {"lightcyan", 0xffe0ffff},
    {"lightgoldenrodyellow", 0xfffafad2}, {"lightgray", 0xffd3d3d3}, {"lightgreen", 0xff90ee90},
    {"lightgrey", 0xffd3d3d3}, {"lightpink", 0xffffb6c1}, {"lightsalmon", 0xffffa07a},
    {"lightseagreen", 0xff20b2aa}, {"lightskyblue", 0xff87cefa}, {"lightslategray", 0xff778899},
    {"lightslategrey", 0xff778899}, {"lightsteelblue", 0xffb0c4de}, {"lightyellow", 0xffffffe0},
    {"lime", 0xff00ff00}, {"limegreen", 0xff32cd32}, {"linen", 0xfffaf0e6}, {"magenta", 0xffff00ff},
    {"maroon", 0xff800000}, {"mediumaquamarine", 0xff66cdaa}, {"mediumblue", 0xff0000cd},
    {"mediumorchid", 0xffba55d3}, {"mediumpurple", 0xff9370db}, {"mediumseagreen", 0xff3cb371},
    {"mediumslateblue", 0xff7b68ee}, {"mediumspringgreen", 0xff00fa9a},
    {"mediumturquoise", 0xff48d1cc}, {"mediumvioletred", 0xffc71585}, {"midnightblue", 0xff191970},
    {"mintcream", 0xfff5fffa}, {"mistyrose", 0xffffe4e1}, {"moccasin", 0xffffe4b5},
    {"navajowhite", 0xffffdead}, {"navy", 0xff000080}, {"oldlace", 0xfffdf5e6},
    {"olive", 0xff808000}, {"olivedrab", 0xff6b8e23}, {"orange", 0xffffa500},
    {"orangered", 0xffff4500}, {"orchid", 0xffda70d6}, {"palegoldenrod", 0xffeee8aa},
    {"palegreen", 0xff98fb98}, {"paleturquoise", 0xffafeeee}, {"palevioletred", 0xffdb7093},
    {"papayawhip", 0xffffefd5}, {"peachpuff", 0xffffdab9}, {"peru", 0xffcd853f},
    {"pink", 0xffffc0cb}, {"plum", 0xffdda0dd}, {"powderblue", 0xffb0e0e6}, {"purple", 0xff800080},
    {"red", 0xffff0000}, {"rosybrown", 0xffbc8f8f}, {"royalblue", 0xff4169e1},
    {"saddlebrown", 0xff8b4513}, {"salmon", 0xfffa8072}, {"sandybrown", 0xfff4a460},
    {"seagreen", 0xff2e8b57}, {"seashell", 0xfffff5ee}, {"sienna", 0xffa0522d},
    {"silver", 0xffc0c0c0}, {"skyblue", 0xff87ceeb}, {"slateblue", 0xff6a5acd},
    {"slategray", 0xff708090}, {"slategrey", 0xff708090}, {"snow", 0xfffffafa},
    {"springgreen", 0xff00ff7f}, {"steelblue", 0xff4682b4}, {"tan", 0xffd2b48c},
    {"teal", 0xff008080}, {"thistle", 0xffd8bfd8}, {"tomato", 0xffff6347},
    {"transparent", 0x00000000}, {"turquoise", 0xff40e0d0}, {"violet", 0xffee82ee},
    {"wheat", 0xfff5deb3}, {"white", 0xffffffff}, {"whitesmoke", 0xfff5f5f5},
    {"yellow", 0xffffff00}, {"yellowgreen", 0xff9acd32},
};

struct Rgb16
{
    quint16 red = 0;
    quint16 green = 0;
    quint16 blue = 0;
};

// 16-bit component to 8 bits, rounding the way QColor does.
int Div257(int x)
{
    const uint rounded = uint(x) + 128u;
    return int((rounded - (rounded >> 8)) >> 8);
}

// int(double) as the CPU does it: NaN and values no int holds become INT_MIN.
int TruncateLikeCpu(double d)
{
    return (d > -2147483649.0 && d < 2147483648.0) ? int(d) : INT_MIN;
}

// qRound, including what it gives for values outside the int range (half-float garbage).
int QtRound(double d)
{
    if (d >= 0.0)
        return TruncateLikeCpu(d + 0.5);
    const int below = TruncateLikeCpu(d - 1);
    return int(quint32(TruncateLikeCpu(d - double(below) + 0.5)) + quint32(below));
}

// IEEE half-precision bits (QColor's ExtendedRgb components) to double; exact.
double HalfToDouble(quint16 bits)
{
    const int exponent = (bits >> 10) & 0x1f;
    const int mantissa = bits & 0x3ff;
    double value;
    if (exponent == 0)
        value = std::ldexp(double(mantissa), -24);
    else if (exponent == 0x1f)
        value = mantissa ? qQNaN() : qInf();
    else
        value = std::ldexp(double(mantissa + 0x400), exponent - 25);
    return (bits & 0x8000) ? -value : value;
}

double Bound01(double v)
{
    return qMax(0.0, qMin(1.0, v));
}

bool FuzzyEqual(double a, double b)
{
    return qAbs(a - b) * 1000000000000. <= qMin(qAbs(a), qAbs(b));
}

// QColor::toRgb() for every spec; Invalid and Rgb keep their raw components.
Rgb16 ToRgb16(quint8 spec, const quint16* c)
{
    Rgb16 rgb;
    switch (spec) {
    case StoredColor::Invalid:
    case StoredColor::Rgb:
        rgb.red = c[0];
        rgb.green = c[1];
        rgb.blue = c[2];
        break;
    case StoredColor::Hsv: {
        if (c[1] == 0 || c[0] == USHRT_MAX) {
            rgb.red = rgb.green = rgb.blue = c[2];
            break;
        }
        const double h = c[0] == 36000 ? 0 : c[0] / 6000.;
        const double s = c[1] / double(USHRT_MAX);
        const double v = c[2] / double(USHRT_MAX);
        const int i = int(h);
        const double f = h - i;
        const double p = v * (1.0 - s);
        const double q = v * (1.0 - (s * f));
        const double t = v * (1.0 - (s * (1.0 - f)));
        const quint16 V = quint16(qRound(v * USHRT_MAX));
        const quint16 P = quint16(qRound(p * USHRT_MAX));
        const quint16 Q = quint16(qRound(q * USHRT_MAX));
        const quint16 T = quint16(qRound(t * USHRT_MAX));
        // Hues past 360 degrees (garbage in a file) leave the components at 0, as in QColor.
        switch (i) {
        case 0: rgb = {V, T, P}; break;
        case 1: rgb = {Q, V, P}; break;
        case 2: rgb = {P, V, T}; break;
        case 3: rgb = {P, Q, V}; break;
        case 4: rgb = {T, P, V}; break;
        case 5: rgb = {V, P, Q}; break;
        default: break;
        }
        break;
    }
    case StoredColor::Hsl: {
        if (c[1] == 0 || c[0] == USHRT_MAX) {
            rgb.red = rgb.green = rgb.blue = c[2];
            break;
        }
        if (c[2] == 0)
            break;
        const double h = c[0] == 36000 ? 0 : c[0] / 36000.;
        const double s = c[1] / double(USHRT_MAX);
        const double l = c[2] / double(USHRT_MAX);
        const double temp2 = l < 0.5 ? l * (1.0 + s) : l + s - (l * s);
        const double temp1 = (2.0 * l) - temp2;
        double temp3[3] = {h + (1.0 / 3.0), h, h - (1.0 / 3.0)};
        quint16 out[3] = {0, 0, 0};
        for (int i = 0; i != 3; ++i) {
            if (temp3[i] < 0.0)
                temp3[i] += 1.0;
            else if (temp3[i] > 1.0)
                temp3[i] -= 1.0;
            const double sixtemp3 = temp3[i] * 6.0;
            if (sixtemp3 < 1.0)
                out[i] = quint16(qRound((temp1 + (temp2 - temp1) * sixtemp3) * USHRT_MAX));
            else if ((temp3[i] * 2.0) < 1.0)
                out[i] = quint16(qRound(temp2 * USHRT_MAX));
            else if ((temp3[i] * 3.0) < 2.0)
                out[i] = quint16(qRound((temp1 + (temp2 - temp1) * (2.0 / 3.0 - temp3[i]) * 6.0) * USHRT_MAX));
            else
                out[i] = quint16(qRound(temp1 * USHRT_MAX));
        }
        rgb.red = out[0] == 1 ? 0 : out[0];
        rgb.green = out[1] == 1 ? 0 : out[1];
        rgb.blue = out[2] == 1 ? 0 : out[2];
        break;
    }
    case StoredColor::Cmyk: {
        const double cy = c[0] / double(USHRT_MAX);
        const double m = c[1] / double(USHRT_MAX);
        const double y = c[2] / double(USHRT_MAX);
        const double k = c[3] / double(USHRT_MAX);
        rgb.red = quint16(qRound((1.0 - (cy * (1.0 - k) + k)) * USHRT_MAX));
        rgb.green = quint16(qRound((1.0 - (m * (1.0 - k) + k)) * USHRT_MAX));
        rgb.blue = quint16(qRound((1.0 - (y * (1.0 - k) + k)) * USHRT_MAX));
        break;
    }
    case StoredColor::ExtendedRgb:
        rgb.red = quint16(QtRound(USHRT_MAX * Bound01(HalfToDouble(c[0]))));
        rgb.green = quint16(QtRound(USHRT_MAX * Bound01(HalfToDouble(c[1]))));
        rgb.blue = quint16(QtRound(USHRT_MAX * Bound01(HalfToDouble(c[2]))));
        break;
    default:
        break;
    }
    return rgb;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int HexNumber(const char* s, int digits)
{
    int result = 0;
    for (int i = 0; i < digits; ++i) {
        const int h = HexValue(s[i]);
        if (h < 0)
            return -1;
        result = result * 16 + h;
    }
    return result;
}

// QChar::toLatin1(): characters beyond Latin-1 become NUL, which ends the name.
char Latin1OrNul(QChar c)
{
    return c.unicode() > 0xff ? '\0' : char(c.unicode());
}

} // namespace

StoredColor StoredColor::fromRgb(int r, int g, int b, int a)
{
    StoredColor color;
    if (uint(r) > 255 || uint(g) > 255 || uint(b) > 255 || uint(a) > 255)
        return color;
    color.m_spec = Rgb;
    color.m_alpha = quint16(a * 0x101);
    color.m_c[0] = quint16(r * 0x101);
    color.m_c[1] = quint16(g * 0x101);
    color.m_c[2] = quint16(b * 0x101);
    color.m_c[3] = 0;
    return color;
}

StoredColor StoredColor::fromString(const QString& text)
{
    StoredColor color;
    const int len = text.size();
    if (len == 0)
        return color;

    if (text.at(0) == QLatin1Char('#')) {
        if (len > 13)
            return color;
        char hex[16];
        for (int i = 0; i < len; ++i)
            hex[i] = Latin1OrNul(text.at(i));
        const char* digits = hex + 1;
        int a = 0xffff;
        int r = -1;
        int g = -1;
        int b = -1;
        switch (len - 1) {
        case 12:
            r = HexNumber(digits, 4);
            g = HexNumber(digits + 4, 4);
            b = HexNumber(digits + 8, 4);
            break;
        case 9:
            r = HexNumber(digits, 3);
            g = HexNumber(digits + 3, 3);
            b = HexNumber(digits + 6, 3);
            if (r >= 0 && g >= 0 && b >= 0) {
                r = (r << 4) | (r >> 8);
                g = (g << 4) | (g >> 8);
                b = (b << 4) | (b >> 8);
            }
            break;
        case 8:
            a = HexNumber(digits, 2);
            r = HexNumber(digits + 2, 2);
            g = HexNumber(digits + 4, 2);
            b = HexNumber(digits + 6, 2);
            a = a < 0 ? -1 : a * 0x101;
            r = r < 0 ? -1 : r * 0x101;
            g = g < 0 ? -1 : g * 0x101;
            b = b < 0 ? -1 : b * 0x101;
            break;
        case 6:
            r = HexNumber(digits, 2);
            g = HexNumber(digits + 2, 2);
            b = HexNumber(digits + 4, 2);
            r = r < 0 ? -1 : r * 0x101;
            g = g < 0 ? -1 : g * 0x101;
            b = b < 0 ? -1 : b * 0x101;
            break;
        case 3:
            r = HexNumber(digits, 1);
            g = HexNumber(digits + 1, 1);
            b = HexNumber(digits + 2, 1);
            r = r < 0 ? -1 : r * 0x1111;
            g = g < 0 ? -1 : g * 0x1111;
            b = b < 0 ? -1 : b * 0x1111;
            break;
        default:
            break;
        }
        if (uint(a) > 0xffff || uint(r) > 0xffff || uint(g) > 0xffff || uint(b) > 0xffff)
            return color;
        color.m_spec = Rgb;
        color.m_alpha = quint16(a);
        color.m_c[0] = quint16(r);
        color.m_c[1] = quint16(g);
        color.m_c[2] = quint16(b);
        color.m_c[3] = 0;
        return color;
    }

    // Blanks and tabs are ignored and case does not matter, as in QColor's name lookup.
    if (len > 255)
        return color;
    char name[256];
    int pos = 0;
    for (int i = 0; i < len; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\t') && c != QLatin1Char(' ')) {
            const char ch = Latin1OrNul(c);
            name[pos++] = (ch >= 'A' && ch <= 'Z') ? char(ch - 'A' + 'a') : ch;
        }
    }
    name[pos] = '\0';
    const auto end = std::end(kNamedColors);
    const auto it = std::lower_bound(std::begin(kNamedColors), end, name,
                                     [](const NamedColor& entry, const char* key) {
                                         return std::strcmp(entry.name, key) < 0;
                                     });
    if (it == end || std::strcmp(it->name, name) != 0)
        return color;
    color = fromRgb(int((it->argb >> 16) & 0xff), int((it->argb >> 8) & 0xff), int(it->argb & 0xff),
                    int(it->argb >> 24));
    return color;
}

StoredColor StoredColor::fromStreamBytes(const QByteArray& bytes, bool* ok)
{
    StoredColor color;
    if (ok)
        *ok = false;
    if (bytes.size() != 11)
        return color;
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_0);
    qint8 spec = 0;
    quint16 alpha = 0;
    quint16 c[4] = {0, 0, 0, 0};
    stream >> spec >> alpha >> c[0] >> c[1] >> c[2] >> c[3];
    if (stream.status() != QDataStream::Ok || spec < Invalid || spec > ExtendedRgb)
        return color;
    // An Invalid spec keeps its components too: QColor streams them back unchanged.
    color.m_spec = quint8(spec);
    color.m_alpha = alpha;
    std::copy(c, c + 4, color.m_c);
    if (ok)
        *ok = true;
    return color;
}

QByteArray StoredColor::toStreamBytes() const
{
    QByteArray bytes;
    bytes.reserve(11);
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << qint8(m_spec) << m_alpha << m_c[0] << m_c[1] << m_c[2] << m_c[3];
    return bytes;
}

int StoredColor::red() const
{
    return Div257(ToRgb16(m_spec, m_c).red);
}

int StoredColor::green() const
{
    return Div257(ToRgb16(m_spec, m_c).green);
}

int StoredColor::blue() const
{
    return Div257(ToRgb16(m_spec, m_c).blue);
}

int StoredColor::alpha() const
{
    if (m_spec == ExtendedRgb)
        return QtRound(HalfToDouble(m_alpha) * 255);
    return Div257(m_alpha);
}

QString StoredColor::name() const
{
    const Rgb16 rgb = ToRgb16(m_spec, m_c);
    return QString::asprintf("#%02x%02x%02x", Div257(rgb.red), Div257(rgb.green), Div257(rgb.blue));
}

bool StoredColor::operator==(const StoredColor& other) const
{
    if (m_spec == Hsl && other.m_spec == Hsl) {
        // QColor compares HSL colours with a tolerance, saturation not at all at black or white.
        const quint16 l1 = m_c[2];
        const quint16 l2 = other.m_c[2];
        return m_alpha == other.m_alpha && m_c[0] % 36000 == other.m_c[0] % 36000
            && (qAbs(int(m_c[1]) - int(other.m_c[1])) < 50 || l1 == 0 || l2 == 0 || l1 == USHRT_MAX
                || l2 == USHRT_MAX)
            && qAbs(int(l1) - int(l2)) < 50;
    }
    if ((m_spec == ExtendedRgb || other.m_spec == ExtendedRgb)
        && (m_spec == other.m_spec || m_spec == Rgb || other.m_spec == Rgb)) {
        // Half floats against 16-bit integers: QColor compares the floating-point values.
        const auto channel = [](const StoredColor& c, int i) {
            return c.m_spec == ExtendedRgb ? HalfToDouble(c.m_c[i]) : c.m_c[i] / double(USHRT_MAX);
        };
        const auto alphaF = [](const StoredColor& c) {
            return c.m_spec == ExtendedRgb ? HalfToDouble(c.m_alpha) : c.m_alpha / double(USHRT_MAX);
        };
        return FuzzyEqual(alphaF(*this), alphaF(other)) && FuzzyEqual(channel(*this, 0), channel(other, 0))
            && FuzzyEqual(channel(*this, 1), channel(other, 1))
            && FuzzyEqual(channel(*this, 2), channel(other, 2));
    }
    return m_spec == other.m_spec && m_alpha == other.m_alpha
        && ((m_spec == Hsv && m_c[0] % 36000 == other.m_c[0] % 36000) || m_c[0] == other.m_c[0])
        && m_c[1] == other.m_c[1] && m_c[2] == other.m_c[2] && m_c[3] == other.m_c[3];
}
