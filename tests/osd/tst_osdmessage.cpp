// The 1044-byte OSD record, byte by byte, and what a hostile record can and cannot do.
#include "OsdMessage.h"
#include "OsdTestEnvironment.h"

#include <QtEndian>
#include <QtTest>

Q_DECLARE_METATYPE(OsdMessage)


// Bytes written one by one: the compiler's overflow check misreads qToLittleEndian into data().
static void PutLittleEndian(QByteArray& bytes, int offset, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
}

class OsdMessageTest : public QObject
{
    Q_OBJECT

private slots:
    void encodeLayout_data();
    void encodeLayout();
    void textCutAt255Units_data();
    void textCutAt255Units();
    void roundTrip_data();
    void roundTrip();
    void decodeRejectsWrongSize_data();
    void decodeRejectsWrongSize();
    void decodeStringsStopAtZeroOr255Units();
    void decodeClamps_data();
    void decodeClamps();
    void decodeIgnoresReservedAndColourHighByte();
    void colourLayout();
    void serverNameIsPrivateAndSafe();
};

namespace {

quint32 U32At(const QByteArray& record, int offset)
{
    return qFromLittleEndian<quint32>(record.constData() + offset);
}

quint16 UnitAt(const QByteArray& record, int offset, int index)
{
    return qFromLittleEndian<quint16>(record.constData() + offset + 2 * index);
}

void PutU32(QByteArray& record, int offset, quint32 value)
{
    PutLittleEndian(record, offset, quint32(value), 4);
}

OsdMessage Message(const QString& text, quint32 colour, quint32 displayMs = 1500, quint32 fontSize = 60,
                   const QString& face = QStringLiteral("Arial"))
{
    OsdMessage message;
    message.text = text;
    message.colour = colour;
    message.displayMs = displayMs;
    message.fontSize = fontSize;
    message.fontFace = face;
    return message;
}

} // namespace

void OsdMessageTest::encodeLayout_data()
{
    QTest::addColumn<OsdMessage>("message");
    QTest::newRow("DPI level in red") << Message(QStringLiteral("DPI 2:800"), 0x0000FF);
    QTest::newRow("report rate in orange") << Message(QStringLiteral("1000 HZ"), 0x007DFF);
    QTest::newRow("empty text") << Message(QString(), 0xFFFF00);
    QTest::newRow("non-latin text, other face") << Message(QStringLiteral("DPI \u00fc\u20ac"), 0xB6C8DB, 2500, 24, QStringLiteral("DejaVu Sans"));
    QTest::newRow("pair outside the BMP") << Message(QStringLiteral("\U0001F5B1 1:400"), 0x00FF00);
}

void OsdMessageTest::encodeLayout()
{
    QFETCH(OsdMessage, message);
    const QByteArray record = EncodeOsdRecord(message);
    QCOMPARE(record.size(), 1044);

    for (int i = 0; i < message.text.size(); ++i)
        QCOMPARE(UnitAt(record, 0, i), message.text.at(i).unicode());
    QCOMPARE(UnitAt(record, 0, message.text.size()), quint16(0));
    for (int i = 2 * message.text.size(); i < 512; ++i)
        QCOMPARE(record.at(i), '\0');

    QCOMPARE(U32At(record, 512), 0u);
    QCOMPARE(U32At(record, 516), message.displayMs);
    QCOMPARE(U32At(record, 520), 0u);
    QCOMPARE(U32At(record, 524), message.colour);
    QCOMPARE(U32At(record, 528), message.fontSize);

    for (int i = 0; i < message.fontFace.size(); ++i)
        QCOMPARE(UnitAt(record, 532, i), message.fontFace.at(i).unicode());
    for (int i = 532 + 2 * message.fontFace.size(); i < 1044; ++i)
        QCOMPARE(record.at(i), '\0');
}

void OsdMessageTest::textCutAt255Units_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kept");
    QTest::newRow("255 fit") << QString(255, QLatin1Char('x')) << 255;
    QTest::newRow("256 cut to 255") << QString(256, QLatin1Char('x')) << 255;
    QTest::newRow("1000 cut to 255") << QString(1000, QLatin1Char('y')) << 255;
    // The pair would straddle the cut: both halves go.
    QTest::newRow("pair at 254..255 dropped whole") << QString(254, QLatin1Char('x')) + QStringLiteral("\U0001F600") << 254;
    QTest::newRow("pair at 253..254 kept") << QString(253, QLatin1Char('x')) + QStringLiteral("\U0001F600z") << 255;
}

void OsdMessageTest::textCutAt255Units()
{
    QFETCH(QString, text);
    QFETCH(int, kept);
    OsdMessage message;
    message.text = text;
    message.fontFace = text;
    const QByteArray record = EncodeOsdRecord(message);
    QCOMPARE(record.size(), 1044);
    for (int i = 0; i < kept; ++i) {
        QCOMPARE(UnitAt(record, 0, i), text.at(i).unicode());
        QCOMPARE(UnitAt(record, 532, i), text.at(i).unicode());
    }
    // The terminator is always inside the field, and nothing spills into the numbers.
    QCOMPARE(UnitAt(record, 0, kept), quint16(0));
    QCOMPARE(UnitAt(record, 0, 255), quint16(0));
    QCOMPARE(UnitAt(record, 532, 255), quint16(0));
    QCOMPARE(U32At(record, 512), 0u);

    OsdMessage decoded;
    QVERIFY(DecodeOsdRecord(record, decoded));
    QCOMPARE(decoded.text, text.left(kept));
    QCOMPARE(decoded.fontFace, text.left(kept));
}

void OsdMessageTest::roundTrip_data()
{
    encodeLayout_data();
}

void OsdMessageTest::roundTrip()
{
    QFETCH(OsdMessage, message);
    OsdMessage decoded;
    QVERIFY(DecodeOsdRecord(EncodeOsdRecord(message), decoded));
    QCOMPARE(decoded.text, message.text);
    QCOMPARE(decoded.displayMs, message.displayMs);
    QCOMPARE(decoded.colour, message.colour);
    QCOMPARE(decoded.fontSize, message.fontSize);
    QCOMPARE(decoded.fontFace, message.fontFace);
}

void OsdMessageTest::decodeRejectsWrongSize_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one short") << 1043;
    QTest::newRow("one over") << 1045;
    QTest::newRow("two records") << 2088;
    QTest::newRow("text field only") << 512;
}

void OsdMessageTest::decodeRejectsWrongSize()
{
    QFETCH(int, size);
    QByteArray record = EncodeOsdRecord(Message(QStringLiteral("DPI 1:400"), 0x0000FF));
    record.resize(size);
    OsdMessage decoded = Message(QStringLiteral("untouched"), 0x123456);
    QVERIFY(!DecodeOsdRecord(record, decoded));
    QCOMPARE(decoded.text, QStringLiteral("untouched"));
    QCOMPARE(decoded.colour, 0x123456u);
}

void OsdMessageTest::decodeStringsStopAtZeroOr255Units()
{
    QByteArray record = EncodeOsdRecord(OsdMessage());
    // No terminator anywhere in either string field.
    for (int i = 0; i < 256; ++i) {
        PutLittleEndian(record, 2 * i, quint32(quint16('A' + i % 26)), 2);
        PutLittleEndian(record, 532 + 2 * i, quint32(quint16('a' + i % 26)), 2);
    }
    OsdMessage decoded;
    QVERIFY(DecodeOsdRecord(record, decoded));
    // Cut as a sender cuts: no message holds more than 255 units.
    QCOMPARE(decoded.text.size(), 255);
    QCOMPARE(decoded.fontFace.size(), 255);
    QCOMPARE(decoded.text.left(3), QStringLiteral("ABC"));
    QCOMPARE(decoded.fontFace.right(1), QStringLiteral("u"));
    QCOMPARE(EncodeOsdRecord(decoded).mid(0, 510), record.mid(0, 510));
    // The numbers after the text field are not read as text.
    QCOMPARE(decoded.displayMs, 1500u);

    // An early zero ends the text even when more follows.
    PutLittleEndian(record, 2 * 2, quint32(0), 2);
    PutLittleEndian(record, 532 + 2 * 5, quint32(0), 2);
    QVERIFY(DecodeOsdRecord(record, decoded));
    QCOMPARE(decoded.text, QStringLiteral("AB"));
    QCOMPARE(decoded.fontFace, QStringLiteral("abcde"));
}

void OsdMessageTest::decodeClamps_data()
{
    QTest::addColumn<quint32>("displayMs");
    QTest::addColumn<quint32>("fontSize");
    QTest::addColumn<quint32>("shownMs");
    QTest::addColumn<quint32>("shownSize");
    QTest::newRow("as sent") << 1500u << 60u << 1500u << 60u;
    QTest::newRow("zero time, zero size") << 0u << 0u << 100u << 8u;
    QTest::newRow("never-ending, huge") << 0xFFFFFFFFu << 0xFFFFFFFFu << 10000u << 200u;
    QTest::newRow("just over") << 10001u << 201u << 10000u << 200u;
    QTest::newRow("limits") << 100u << 8u << 100u << 8u;
    QTest::newRow("upper limits") << 10000u << 200u << 10000u << 200u;
    QTest::newRow("negative as int") << 0x80000000u << 0x80000000u << 10000u << 200u;
}

void OsdMessageTest::decodeClamps()
{
    QFETCH(quint32, displayMs);
    QFETCH(quint32, fontSize);
    QFETCH(quint32, shownMs);
    QFETCH(quint32, shownSize);
    QByteArray record = EncodeOsdRecord(Message(QStringLiteral("x"), 0x0000FF));
    PutU32(record, 516, displayMs);
    PutU32(record, 528, fontSize);
    OsdMessage decoded;
    QVERIFY(DecodeOsdRecord(record, decoded));
    QCOMPARE(decoded.displayMs, shownMs);
    QCOMPARE(decoded.fontSize, shownSize);
}

void OsdMessageTest::decodeIgnoresReservedAndColourHighByte()
{
    QByteArray record = EncodeOsdRecord(Message(QStringLiteral("x"), 0x0000FF));
    PutU32(record, 512, 0xDEADBEEF);
    PutU32(record, 520, 0xFFFFFFFF);
    PutU32(record, 524, 0xAB00FF00);
    OsdMessage decoded;
    QVERIFY(DecodeOsdRecord(record, decoded));
    QCOMPARE(decoded.text, QStringLiteral("x"));
    QCOMPARE(decoded.colour, 0x0000FF00u);
}

void OsdMessageTest::colourLayout()
{
    QCOMPARE(OsdColour(255, 0, 0), 0x0000FFu);
    QCOMPARE(OsdColour(0, 255, 0), 0x00FF00u);
    QCOMPARE(OsdColour(0, 0, 255), 0xFF0000u);
    QCOMPARE(OsdColour(219, 200, 182), 219u + 200u * 256u + 182u * 65536u);
    const QByteArray record = EncodeOsdRecord(Message(QStringLiteral("x"), OsdColour(255, 125, 0)));
    QCOMPARE(quint8(record.at(524)), quint8(255));
    QCOMPARE(quint8(record.at(525)), quint8(125));
    QCOMPARE(quint8(record.at(526)), quint8(0));
    QCOMPARE(quint8(record.at(527)), quint8(0));
}

void OsdMessageTest::serverNameIsPrivateAndSafe()
{
    OsdTestEnvironment environment;
    QVERIFY(environment.isValid());
    const QString name = OsdServerName();
    QVERIFY2(name.startsWith(environment.path() + QLatin1Char('/')), qPrintable(name));
    const QString file = name.mid(environment.path().size() + 1);
    QVERIFY2(file.startsWith(QStringLiteral("QRVP_Wireless_Mouse_OSD-")), qPrintable(file));
    QVERIFY(file.endsWith(QStringLiteral(".sock")));
    QVERIFY(!file.contains(QLatin1Char(' ')));
    QVERIFY(OsdLockFilePath().startsWith(environment.path() + QLatin1Char('/')));
    QVERIFY(OsdLockFilePath() != name);
    QCOMPARE(OsdWindowTitle(), QStringLiteral("QRVP Wireless Mouse OSD"));
}

QTEST_GUILESS_MAIN(OsdMessageTest)
#include "tst_osdmessage.moc"
