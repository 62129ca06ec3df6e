#include "IniFile.h"

#include "StoredColor.h"

#include <QDataStream>
#include <QDateTime>
#include <QFile>
#include <QFileDevice>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTextCodec>
#include <QTimeZone>
#include <QVariantList>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// "@Variant(...)" or "@DateTime(...)" of a type QtCore cannot load: its bytes go back unchanged.
struct RawIniVariant
{
    QByteArray bytes;      // between "(" and the closing ")"
    bool dateTime = false; // written as "@DateTime(" rather than "@Variant("
};

} // namespace

Q_DECLARE_METATYPE(RawIniVariant)

namespace {

constexpr quint32 kQColorTypeId = 67; // QMetaType::QColor, the same number in Qt 4 streams
constexpr int kColorStreamSize = 11;  // qint8 spec, quint16 alpha and four components
constexpr int kMaxNesting = 32;

enum CharTrait : quint8 { Space = 0x1, Special = 0x2 };

inline quint8 Trait(char c)
{
    switch (c) {
    case '\t':
    case ' ':
        return Space;
    case '\n':
    case '\r':
        return Space | Special;
    case '"':
    case ';':
    case '=':
    case '\\':
        return Special;
    default:
        return 0;
    }
}

// One logical line: quoted newlines, backslash continuations and ';' comments as Qt's reader has them.
bool ReadIniLine(const char* data, int dataLen, int& dataPos, int& lineStart, int& lineLen, int& equalsPos)
{
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = dataPos;
    while (lineStart < dataLen && (Trait(data[lineStart]) & Space))
        ++lineStart;

    int i = lineStart;
    while (i < dataLen) {
        while (!(Trait(data[i]) & Special)) {
            if (++i == dataLen)
                goto lineEnd;
        }
        const char ch = data[i++];
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                goto lineEnd;
            }
        } else if (ch == '\\') {
            if (i < dataLen) {
                const char next = data[i++];
                if (i < dataLen) {
                    const char after = data[i];
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else { // ';'
            if (i == lineStart + 1) {
                while (i < dataLen && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < dataLen && (Trait(data[i]) & Space))
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                goto lineEnd;
            }
        }
    }
lineEnd:
    dataPos = i;
    lineLen = i - lineStart;
    return lineLen > 0;
}

bool IsAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// QByteArray::toInt(&ok, 16) on a 2- or 4-byte slice of a key: spaces, a sign and "0x" are accepted.
bool ParseKeyHex(const char* s, int n, int& value)
{
    int end = 0;
    while (end < n && s[end] != '\0') // the slice is read as a C string
        ++end;
    int i = 0;
    while (i < end && IsAsciiSpace(s[i]))
        ++i;
    bool negative = false;
    if (i < end && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i + 2 < end && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X') && HexDigitValue(s[i + 2]) >= 0)
        i += 2;
    const int digitsStart = i;
    int result = 0;
    while (i < end && HexDigitValue(s[i]) >= 0)
        result = result * 16 + HexDigitValue(s[i++]);
    if (i == digitsStart)
        return false;
    while (i < end && IsAsciiSpace(s[i]))
        ++i;
    if (i != end)
        return false;
    value = negative ? -result : result;
    return true;
}

// Key text to key: "\" is "/", "%XX" and "%UXXXX" are characters; writes at most to - from characters.
void UnescapeKey(const char* key, int from, int to, QChar* out, int& len)
{
    int i = from;
    while (i < to) {
        const uchar ch = uchar(key[i]);
        if (ch == '\\') {
            out[len++] = QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            out[len++] = QLatin1Char(char(ch));
            ++i;
            continue;
        }
        int numDigits = 2;
        int firstDigitPos = i + 1;
        if (key[i + 1] == 'U') {
            ++firstDigitPos;
            numDigits = 4;
        }
        int value = 0;
        if (firstDigitPos + numDigits > to || !ParseKeyHex(key + firstDigitPos, numDigits, value)) {
            out[len++] = QLatin1Char('%');
            ++i;
            continue;
        }
        out[len++] = QChar(ushort(value & 0xffff));
        i = firstDigitPos + numDigits;
    }
}

void ChopTrailingSpaces(const QChar* buf, int& len, int limit)
{
    while (len > limit && (buf[len - 1] == QLatin1Char(' ') || buf[len - 1] == QLatin1Char('\t')))
        --len;
}

// Value text to a string or a comma list with Qt's escapes and quotes; buf holds to - from characters.
bool UnescapeValue(const char* str, int from, int to, QTextCodec* codec, QChar* buf, QString& text,
                   QStringList& list)
{
    static const char escapeCodes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                          {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                          {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    bool isStringList = false;
    bool inQuotedString = false;
    bool currentValueIsQuoted = false;
    quint32 escapeVal = 0; // wraps like Qt's int; only the low 16 bits become the character
    int i = from;
    int len = 0;
    int chopLimit = 0;
    char ch = 0;
    int j = 0;

skipSpaces:
    while (i < to && ((ch = str[i]) == ' ' || ch == '\t'))
        ++i;

normal:
    chopLimit = len;
    while (i < to) {
        switch (str[i]) {
        case '\\':
            ++i;
            if (i >= to)
                goto end;
            ch = str[i++];
            for (const auto& code : escapeCodes) {
                if (ch == code[0]) {
                    buf[len++] = QLatin1Char(code[1]);
                    goto normal;
                }
            }
            if (ch == 'x') {
                escapeVal = 0;
                if (i >= to)
                    goto end;
                if (HexDigitValue(str[i]) >= 0)
                    goto hexEscape;
            } else if (ch >= '0' && ch <= '7') {
                escapeVal = quint32(ch - '0');
                goto octEscape;
            } else if (ch == '\n' || ch == '\r') {
                if (i < to) {
                    const char ch2 = str[i];
                    // \n, \r, \r\n and \n\r all end a continued line
                    if ((ch2 == '\n' || ch2 == '\r') && ch2 != ch)
                        ++i;
                }
            }
            // any other escaped character is dropped
            chopLimit = len;
            break;
        case '"':
            ++i;
            currentValueIsQuoted = true;
            inQuotedString = !inQuotedString;
            if (!inQuotedString)
                goto skipSpaces;
            break;
        case ',':
            if (!inQuotedString) {
                if (!currentValueIsQuoted)
                    ChopTrailingSpaces(buf, len, chopLimit);
                isStringList = true;
                list.append(QString(buf, len));
                len = 0;
                currentValueIsQuoted = false;
                ++i;
                goto skipSpaces;
            }
            Q_FALLTHROUGH();
        default:
            j = i + 1;
            while (j < to && (ch = str[j]) != '\\' && ch != '"' && ch != ',')
                ++j;
            if (codec) {
                const QString part = codec->toUnicode(str + i, j - i);
                std::copy(part.constBegin(), part.constEnd(), buf + len);
                len += part.size();
            } else {
                for (int k = i; k < j; ++k)
                    buf[len++] = QLatin1Char(str[k]);
            }
            i = j;
        }
    }
    if (!currentValueIsQuoted)
        ChopTrailingSpaces(buf, len, chopLimit);
    goto end;

hexEscape:
    if (i >= to) {
        buf[len++] = QChar(ushort(escapeVal));
        goto end;
    }
    if (HexDigitValue(str[i]) >= 0) {
        escapeVal = (escapeVal << 4) + quint32(HexDigitValue(str[i]));
        ++i;
        goto hexEscape;
    }
    buf[len++] = QChar(ushort(escapeVal));
    goto normal;

octEscape:
    if (i >= to) {
        buf[len++] = QChar(ushort(escapeVal));
        goto end;
    }
    ch = str[i];
    if (ch >= '0' && ch <= '7') {
        escapeVal = (escapeVal << 3) + quint32(ch - '0');
        ++i;
        goto octEscape;
    }
    buf[len++] = QChar(ushort(escapeVal));
    goto normal;

end:
    if (isStringList)
        list.append(QString(buf, len));
    else
        text = QString(buf, len);
    return isStringList;
}

// Qt 4 stream type numbers (QDataStream::Qt_4_0) to Qt 5 ones, as QVariant::load maps them.
quint32 Qt5TypeId(quint32 id)
{
    if (id == 127)
        return QMetaType::User;
    if (id >= 128 && id != quint32(QMetaType::User))
        return id - 97;
    if (id == 75)
        return QMetaType::QSizePolicy;
    if (id > 75 && id <= 86)
        return id - 1;
    return id;
}

// Checks that every count in a Qt_4_0 variant stream is backed by bytes before QDataStream reserves for it.
class VariantStreamCheck
{
public:
    VariantStreamCheck(const QByteArray& bytes, int offset)
        : m_p(reinterpret_cast<const uchar*>(bytes.constData()) + offset),
          m_end(reinterpret_cast<const uchar*>(bytes.constData()) + bytes.size())
    {
    }

    bool value(quint32 type, int depth)
    {
        if (depth > kMaxNesting)
            return false;
        quint32 count = 0;
        switch (type) {
        case QMetaType::UnknownType:
            return string(); // a Qt 4 stream holds an empty string after an invalid variant
        case QMetaType::Bool:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
            return skip(1);
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::QChar:
            return skip(2);
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Float:
        case QMetaType::QDate:
        case QMetaType::QTime:
            return skip(4);
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Double:
        case QMetaType::QSize:
        case QMetaType::QPoint:
            return skip(8);
        case QMetaType::QDateTime:
            return skip(9);
        case QMetaType::QRect:
        case QMetaType::QSizeF:
        case QMetaType::QPointF:
        case QMetaType::QLine:
        case QMetaType::QUuid:
            return skip(16);
        case QMetaType::QRectF:
        case QMetaType::QLineF:
            return skip(32);
        case QMetaType::QString:
        case QMetaType::QLocale:
            return string();
        case QMetaType::QByteArray:
        case QMetaType::QUrl:
            return byteArray();
        case QMetaType::QBitArray:
            return u32(count) && skip((quint64(count) + 7) / 8);
        case QMetaType::QStringList:
            if (!u32(count))
                return false;
            for (quint32 k = 0; k < count; ++k) {
                if (!string())
                    return false;
            }
            return true;
        case QMetaType::QByteArrayList:
            if (!u32(count))
                return false;
            for (quint32 k = 0; k < count; ++k) {
                if (!byteArray())
                    return false;
            }
            return true;
        case QMetaType::QVariantList:
            if (!u32(count))
                return false;
            for (quint32 k = 0; k < count; ++k) {
                if (!variant(depth + 1))
                    return false;
            }
            return true;
        case QMetaType::QVariantMap:
        case QMetaType::QVariantHash:
            if (!u32(count))
                return false;
            for (quint32 k = 0; k < count; ++k) {
                if (!string() || !variant(depth + 1))
                    return false;
            }
            return true;
        default:
            return false;
        }
    }

private:
    bool skip(quint64 n)
    {
        if (quint64(m_end - m_p) < n)
            return false;
        m_p += n;
        return true;
    }

    bool u32(quint32& v)
    {
        if (m_end - m_p < 4)
            return false;
        v = (quint32(m_p[0]) << 24) | (quint32(m_p[1]) << 16) | (quint32(m_p[2]) << 8) | quint32(m_p[3]);
        m_p += 4;
        return true;
    }

    bool string()
    {
        quint32 bytes = 0;
        if (!u32(bytes))
            return false;
        if (bytes == 0xffffffffu)
            return true;
        return (bytes & 1) == 0 && skip(bytes);
    }

    bool byteArray()
    {
        quint32 bytes = 0;
        if (!u32(bytes))
            return false;
        return bytes == 0xffffffffu || skip(bytes);
    }

    bool variant(int depth)
    {
        quint32 type = 0;
        return u32(type) && value(Qt5TypeId(type), depth);
    }

    const uchar* m_p;
    const uchar* m_end;
};

QVariant RawValue(const QByteArray& bytesWithParen, bool dateTime)
{
    RawIniVariant raw;
    raw.bytes = bytesWithParen.left(bytesWithParen.size() - 1);
    raw.dateTime = dateTime;
    return QVariant::fromValue(raw);
}

// "@Variant(...)" / "@DateTime(...)": QColor becomes StoredColor, QtCore types load, the rest stays raw.
QVariant DecodeStreamedValue(const QString& s, bool dateTime)
{
    // Like Qt, the stream runs to the end of the text, closing parenthesis included.
    const QByteArray bytes = s.midRef(dateTime ? 10 : 9).toLatin1();
    if (bytes.size() < 5)
        return RawValue(bytes, dateTime);
    const quint32 type = (quint32(uchar(bytes[0])) << 24) | (quint32(uchar(bytes[1])) << 16)
        | (quint32(uchar(bytes[2])) << 8) | quint32(uchar(bytes[3]));

    if (dateTime) {
        if (type != QMetaType::QDateTime)
            return RawValue(bytes, dateTime);
        QDataStream stream(bytes);
        stream.setVersion(QDataStream::Qt_5_6);
        QVariant result;
        stream >> result;
        // A zone the stream names but this system cannot make is a null zone, and QtCore
        // crashes writing it back: such a value is kept as its bytes.
        if (stream.status() == QDataStream::Ok && result.userType() == QMetaType::QDateTime
            && (result.toDateTime().timeSpec() != Qt::TimeZone || result.toDateTime().timeZone().isValid()))
            return result;
        return RawValue(bytes, dateTime);
    }

    if (type == kQColorTypeId) {
        bool ok = false;
        const StoredColor color = StoredColor::fromStreamBytes(bytes.mid(4, kColorStreamSize), &ok);
        if (ok)
            return QVariant::fromValue(color);
        return RawValue(bytes, dateTime);
    }

    VariantStreamCheck check(bytes, 4);
    if (!check.value(Qt5TypeId(type), 0))
        return RawValue(bytes, dateTime);
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_0);
    QVariant result;
    stream >> result;
    if (stream.status() != QDataStream::Ok)
        return RawValue(bytes, dateTime);
    return result;
}

// "@Rect(1 2 3 4)" arguments; a ")" inside is taken as Qt's release build takes it.
QStringList SplitArgs(const QString& s, int idx)
{
    QStringList result;
    QString item;
    const int l = s.size();
    for (++idx; idx < l; ++idx) {
        const QChar c = s.at(idx);
        if (c == QLatin1Char(')')) {
            result.append(item);
        } else if (c == QLatin1Char(' ')) {
            result.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return result;
}

QVariant StringToVariant(const QString& s)
{
    if (!s.startsWith(QLatin1Char('@')))
        return QVariant(s);
    if (s.endsWith(QLatin1Char(')'))) {
        if (s.startsWith(QLatin1String("@ByteArray("))) {
            return QVariant(s.midRef(11, s.size() - 12).toLatin1());
        } else if (s.startsWith(QLatin1String("@String("))) {
            return QVariant(s.mid(8, s.size() - 9));
        } else if (s.startsWith(QLatin1String("@Variant("))) {
            return DecodeStreamedValue(s, false);
        } else if (s.startsWith(QLatin1String("@DateTime("))) {
            return DecodeStreamedValue(s, true);
        } else if (s.startsWith(QLatin1String("@Rect("))) {
            const QStringList args = SplitArgs(s, 5);
            if (args.size() == 4)
                return QVariant(QRect(args[0].toInt(), args[1].toInt(), args[2].toInt(), args[3].toInt()));
        } else if (s.startsWith(QLatin1String("@Size("))) {
            const QStringList args = SplitArgs(s, 5);
            if (args.size() == 2)
                return QVariant(QSize(args[0].toInt(), args[1].toInt()));
        } else if (s.startsWith(QLatin1String("@Point("))) {
            const QStringList args = SplitArgs(s, 6);
            if (args.size() == 2)
                return QVariant(QPoint(args[0].toInt(), args[1].toInt()));
        } else if (s == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (s.startsWith(QLatin1String("@@")))
        return QVariant(s.mid(1));
    return QVariant(s);
}

QVariant StringListToVariant(const QStringList& original)
{
    QStringList list = original;
    for (int i = 0; i < list.size(); ++i) {
        const QString& item = list.at(i);
        if (!item.startsWith(QLatin1Char('@')))
            continue;
        if (item.size() >= 2 && item.at(1) == QLatin1Char('@')) {
            list[i].remove(0, 1);
            continue;
        }
        // One typed item makes the whole value a variant list, each item decoded from its own text.
        QVariantList variants;
        variants.reserve(original.size());
        for (const QString& text : original)
            variants.append(StringToVariant(text));
        return variants;
    }
    return list;
}

bool EqualsNoCaseAscii(const char* s, int len, const char* lower)
{
    const int n = int(std::strlen(lower));
    if (len != n)
        return false;
    for (int i = 0; i < n; ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != lower[i])
            return false;
    }
    return true;
}

class IniParser
{
public:
    IniParser(const QByteArray& data, QSettings::SettingsMap& map)
        : m_data(data.constData()), m_size(data.size()), m_map(map)
    {
    }

    void run()
    {
        int dataPos = 0;
        const bool bom = m_size >= 3 && uchar(m_data[0]) == 0xef && uchar(m_data[1]) == 0xbb
            && uchar(m_data[2]) == 0xbf;
        if (bom) {
            m_codec = QTextCodec::codecForName("UTF-8");
            dataPos = 3;
        }
        bool firstLine = true;
        int lineStart = 0;
        int lineLen = 0;
        int equalsPos = -1;
        while (ReadIniLine(m_data, m_size, dataPos, lineStart, lineLen, equalsPos)) {
            if (m_data[lineStart] == '[') {
                firstLine = false;
                section(lineStart, lineLen);
                continue;
            }
            if (firstLine && bom) {
                // Qt reads the keys before the first section from offset 0: the byte-order mark joins them.
                dataPos = 0;
                ReadIniLine(m_data, m_size, dataPos, lineStart, lineLen, equalsPos);
            }
            firstLine = false;
            if (equalsPos != -1)
                keyLine(lineStart, lineLen, equalsPos);
        }
    }

private:
    QChar* scratch(int size)
    {
        if (int(m_scratch.size()) < size)
            m_scratch.resize(size_t(size));
        return m_scratch.data();
    }

    void section(int lineStart, int lineLen)
    {
        const char* line = m_data + lineStart;
        const void* close = std::memchr(line, ']', size_t(lineLen));
        int begin = 1;
        int end = close ? int(static_cast<const char*>(close) - line) : lineLen;
        while (begin < end && IsAsciiSpace(line[begin]))
            ++begin;
        while (end > begin && IsAsciiSpace(line[end - 1]))
            --end;
        const char* name = line + begin;
        const int len = end - begin;
        if (EqualsNoCaseAscii(name, len, "general")) {
            m_section.clear();
            return;
        }
        if (len == 8 && name[0] == '%' && EqualsNoCaseAscii(name + 1, 7, "general")) {
            m_section = QString::fromLatin1(name + 1, 7);
        } else {
            QChar* buf = scratch(len);
            int n = 0;
            UnescapeKey(name, 0, len, buf, n);
            m_section = QString(buf, n);
        }
        m_section += QLatin1Char('/');
    }

    void keyLine(int lineStart, int lineLen, int equalsPos)
    {
        int keyEnd = equalsPos;
        while (keyEnd > lineStart && (m_data[keyEnd - 1] == ' ' || m_data[keyEnd - 1] == '\t'))
            --keyEnd;
        QChar* buf = scratch(m_section.size() + lineLen);
        int n = m_section.size();
        std::copy(m_section.constBegin(), m_section.constEnd(), buf);
        UnescapeKey(m_data, lineStart, keyEnd, buf, n);
        const QString key(buf, n);

        QString text;
        m_list.clear();
        const int valueEnd = lineStart + lineLen;
        const bool isList = UnescapeValue(m_data, equalsPos + 1, valueEnd, m_codec, buf, text, m_list);
        QVariant value = isList ? StringListToVariant(m_list) : StringToVariant(text);

        // Files come sorted, so most keys go to the end of the map without a search.
        if (m_map.isEmpty() || (m_map.constEnd() - 1).key() < key) {
            m_map.insert(m_map.constEnd(), key, value);
            noteSection(key);
            return;
        }
        const auto existing = m_map.find(key);
        if (existing == m_map.end()) {
            m_map.insert(key, value);
            noteSection(key);
            return;
        }
        // Qt parses sections in name order: of "[A/B]" c and "[A]" B\c the later-sorting section wins.
        if (m_section < sectionOf(key))
            return;
        existing.value() = value;
        noteSection(key);
    }

    static QStringView NaturalSection(const QString& key)
    {
        return QStringView(key).left(key.indexOf(QLatin1Char('/')) + 1);
    }

    QString sectionOf(const QString& key) const
    {
        const auto it = m_otherSection.constFind(key);
        return it != m_otherSection.constEnd() ? it.value() : NaturalSection(key).toString();
    }

    // Only the rare keys whose section is not the text before their first "/" are remembered.
    void noteSection(const QString& key)
    {
        if (NaturalSection(key) != m_section)
            m_otherSection.insert(key, m_section);
        else if (!m_otherSection.isEmpty())
            m_otherSection.remove(key);
    }

    const char* m_data;
    int m_size;
    QSettings::SettingsMap& m_map;
    QTextCodec* m_codec = nullptr;
    QString m_section; // "" for [General], otherwise "Name/"
    QStringList m_list;
    std::vector<QChar> m_scratch;
    QHash<QString, QString> m_otherSection;
};

bool ReadIni(QIODevice& device, QSettings::SettingsMap& map)
{
    const QByteArray data = device.readAll();
    IniParser(data, map).run();
    // Qt keeps every key it could read from a damaged file; a false here would drop them all.
    return true;
}

const char kHexUpper[] = "0123456789ABCDEF";

void AppendHexLower(QByteArray& out, uint value)
{
    char digits[8];
    int n = 0;
    do {
        digits[n++] = "0123456789abcdef"[value & 0xf];
        value >>= 4;
    } while (value);
    while (n)
        out += digits[--n];
}

void EscapeKey(QStringView key, QByteArray& out)
{
    for (const QChar qc : key) {
        const uint ch = qc.unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                   || ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xff) {
            out += '%';
            out += kHexUpper[ch / 16];
            out += kHexUpper[ch % 16];
        } else {
            out += "%U";
            out += kHexUpper[(ch >> 12) & 0xf];
            out += kHexUpper[(ch >> 8) & 0xf];
            out += kHexUpper[(ch >> 4) & 0xf];
            out += kHexUpper[ch & 0xf];
        }
    }
}

bool IsHexDigit(uint ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// Qt's value escaping: C escapes, \x for controls and non-ASCII, quotes for ';' ',' '=' or blank ends.
void EscapeString(QStringView str, QByteArray& out, QTextCodec* codec)
{
    const bool useCodec = codec && !str.startsWith(QLatin1String("@ByteArray("))
        && !str.startsWith(QLatin1String("@Variant("));
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const int startPos = out.size();
    for (int i = 0; i < str.size(); ++i) {
        const uint ch = str[i].unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        // After \0 or \xNN a following hex digit would join the escape, so it is escaped too.
        if (escapeNextIfDigit && IsHexDigit(ch)) {
            out += "\\x";
            AppendHexLower(out, ch);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1f || (ch >= 0x7f && !useCodec)) {
                out += "\\x";
                AppendHexLower(out, ch);
                escapeNextIfDigit = true;
            } else if (useCodec && ch >= 0x80) {
                out += codec->fromUnicode(str.data() + i, 1);
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (startPos < out.size() && (out.at(startPos) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(startPos, '"');
        out += '"';
    }
}

void EscapeStreamed(const char* prefix, const QByteArray& bytes, QByteArray& out, QTextCodec* codec)
{
    const QString text =
        QLatin1String(prefix) + QLatin1String(bytes.constData(), bytes.size()) + QLatin1Char(')');
    EscapeString(text, out, codec);
}

void EscapeTextValue(const QString& text, QByteArray& out, QTextCodec* codec)
{
    if (text.contains(QChar::Null))
        EscapeString(QString(QLatin1String("@String(") + text + QLatin1Char(')')), out, codec);
    else if (text.startsWith(QLatin1Char('@')))
        EscapeString(QString(QLatin1Char('@') + text), out, codec);
    else
        EscapeString(text, out, codec);
}

// One value as Qt's variantToString spells it, escaped.
void EscapeValue(const QVariant& v, QByteArray& out, QTextCodec* codec)
{
    const int type = v.userType();
    switch (type) {
    case QMetaType::UnknownType:
        out += "@Invalid()";
        return;
    case QMetaType::QByteArray:
        EscapeStreamed("@ByteArray(", *static_cast<const QByteArray*>(v.constData()), out, codec);
        return;
    case QMetaType::QString:
        EscapeTextValue(*static_cast<const QString*>(v.constData()), out, codec);
        return;
    case QMetaType::Int:
        out += QByteArray::number(*static_cast<const int*>(v.constData()));
        return;
    case QMetaType::UInt:
        out += QByteArray::number(*static_cast<const uint*>(v.constData()));
        return;
    case QMetaType::LongLong:
        out += QByteArray::number(*static_cast<const qlonglong*>(v.constData()));
        return;
    case QMetaType::ULongLong:
        out += QByteArray::number(*static_cast<const qulonglong*>(v.constData()));
        return;
    case QMetaType::Bool:
        out += *static_cast<const bool*>(v.constData()) ? "true" : "false";
        return;
    case QMetaType::Double:
    case QMetaType::QKeySequence:
        EscapeTextValue(v.toString(), out, codec);
        return;
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        EscapeString(QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height()), out, codec);
        return;
    }
    case QMetaType::QSize: {
        const QSize s = v.toSize();
        EscapeString(QString::asprintf("@Size(%d %d)", s.width(), s.height()), out, codec);
        return;
    }
    case QMetaType::QPoint: {
        const QPoint p = v.toPoint();
        EscapeString(QString::asprintf("@Point(%d %d)", p.x(), p.y()), out, codec);
        return;
    }
    default:
        break;
    }

    if (type == qMetaTypeId<StoredColor>()) {
        // QColor as a QVariant in a Qt 4 stream: type 67, then the colour's own stream form.
        const QByteArray bytes = QByteArray::fromRawData("\0\0\0\x43", 4)
            + static_cast<const StoredColor*>(v.constData())->toStreamBytes();
        EscapeStreamed("@Variant(", bytes, out, codec);
        return;
    }
    if (type == qMetaTypeId<RawIniVariant>()) {
        const auto* raw = static_cast<const RawIniVariant*>(v.constData());
        EscapeStreamed(raw->dateTime ? "@DateTime(" : "@Variant(", raw->bytes, out, codec);
        return;
    }
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(type == QMetaType::QDateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
        stream << v;
    }
    EscapeStreamed(type == QMetaType::QDateTime ? "@DateTime(" : "@Variant(", bytes, out, codec);
}

void WriteValue(const QVariant& v, QByteArray& out, QTextCodec* codec)
{
    const int type = v.userType();
    if (type == QMetaType::QStringList) {
        const QStringList& list = *static_cast<const QStringList*>(v.constData());
        if (list.isEmpty())
            out += "@Invalid()";
        for (int i = 0; i < list.size(); ++i) {
            if (i != 0)
                out += ", ";
            EscapeTextValue(list.at(i), out, codec);
        }
        return;
    }
    // A one-item list is not written as a list: its text could not be told from a plain value.
    if (type == QMetaType::QVariantList && static_cast<const QVariantList*>(v.constData())->size() != 1) {
        const QVariantList& list = *static_cast<const QVariantList*>(v.constData());
        if (list.isEmpty())
            out += "@Invalid()";
        for (int i = 0; i < list.size(); ++i) {
            if (i != 0)
                out += ", ";
            EscapeValue(list.at(i), out, codec);
        }
        return;
    }
    EscapeValue(v, out, codec);
}

const char kUtf8Bom[] = "\xef\xbb\xbf";

// The file being replaced (still on disk while QSettings writes its successor) starts with a UTF-8 mark.
bool ExistingFileHasBom(QIODevice& device)
{
    const auto* file = qobject_cast<QFileDevice*>(&device);
    if (!file)
        return false;
    QFile existing(file->fileName());
    return existing.open(QIODevice::ReadOnly) && existing.read(3) == QByteArray(kUtf8Bom);
}

struct IniEntry
{
    QStringView key; // the part after the section name
    const QVariant* value;
};

struct IniSection
{
    QStringView name;
    int first;
    int count;
};

bool WriteIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    // Like Qt, text goes out as UTF-8 into a file read with a byte-order mark; unlike Qt, the mark is
    // kept, or every reader would take that UTF-8 for Latin-1 at the next read.
    const bool bom = ExistingFileHasBom(device);
    QTextCodec* codec = bom ? QTextCodec::codecForName("UTF-8") : nullptr;

    // Keys of one section are adjacent in the sorted map; keys without a section are not.
    std::vector<IniEntry> general;
    std::vector<IniEntry> entries;
    std::vector<IniSection> sections;
    entries.reserve(size_t(map.size()));
    bool generalNeedsSort = false;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const QString& key = it.key();
        const int slash = key.indexOf(QLatin1Char('/'));
        if (slash <= 0) {
            generalNeedsSort = generalNeedsSort || slash == 0;
            general.push_back({QStringView(key).mid(slash + 1), &it.value()});
            continue;
        }
        const QStringView name = QStringView(key).left(slash);
        if (sections.empty() || sections.back().name != name)
            sections.push_back({name, int(entries.size()), 0});
        entries.push_back({QStringView(key).mid(slash + 1), &it.value()});
        ++sections.back().count;
    }
    if (generalNeedsSort) {
        // "/x" belongs to [General] as "x": order by that name, the later of two equal names wins.
        std::stable_sort(general.begin(), general.end(),
                         [](const IniEntry& a, const IniEntry& b) { return a.key.compare(b.key) < 0; });
        std::vector<IniEntry> unique;
        for (const IniEntry& e : general) {
            if (!unique.empty() && unique.back().key == e.key)
                unique.back() = e;
            else
                unique.push_back(e);
        }
        general.swap(unique);
    }
    std::sort(sections.begin(), sections.end(),
              [](const IniSection& a, const IniSection& b) { return a.name.compare(b.name) < 0; });

    QByteArray out;
    out.reserve(map.size() * 40 + 64);
    if (bom)
        out += kUtf8Bom;
    const auto writeEntries = [&](const IniEntry* begin, const IniEntry* end) {
        for (const IniEntry* e = begin; e != end; ++e) {
            EscapeKey(e->key, out);
            out += '=';
            WriteValue(*e->value, out, codec);
            out += '\n';
        }
    };

    bool first = true;
    if (!general.empty()) {
        out += "[General]\n";
        writeEntries(general.data(), general.data() + general.size());
        first = false;
    }
    for (const IniSection& section : sections) {
        if (!first)
            out += '\n';
        first = false;
        QByteArray name;
        EscapeKey(section.name, name);
        if (name.compare("general", Qt::CaseInsensitive) == 0) {
            out += "[%General]\n";
        } else {
            out += '[';
            out += name;
            out += "]\n";
        }
        writeEntries(entries.data() + section.first, entries.data() + section.first + section.count);
    }
    return device.write(out) == out.size();
}

} // namespace

QSettings::Format MousecfgIniFormat()
{
    static const QSettings::Format format = [] {
        qRegisterMetaType<StoredColor>();
        qRegisterMetaType<RawIniVariant>();
        return QSettings::registerFormat(QStringLiteral("ini"), &ReadIni, &WriteIni, Qt::CaseSensitive);
    }();
    return format;
}

std::unique_ptr<QSettings> OpenIni(const QString& path)
{
    return std::make_unique<QSettings>(path, MousecfgIniFormat());
}

bool ReadMousecfgIni(QIODevice& device, QSettings::SettingsMap& map)
{
    return ReadIni(device, map);
}

bool WriteMousecfgIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    return WriteIni(device, map);
}
