#include "HidReportDescriptor.h"

#include <QStringList>
#include <QtTest>

#include <random>

namespace {

// A mouse collection with a nested pointer (report id 1) and the vendor control
// collection (usage page 1, usage 0, report id 5), as such receivers describe themselves.
const char* const MouseAndVendor =
    "05 01 09 02 A1 01 85 01 09 01 A1 00"
    " 05 09 19 01 29 05 15 00 25 01 95 05 75 01 81 02 95 01 75 03 81 01"
    " 05 01 09 30 09 31 16 01 80 26 FF 7F 75 10 95 02 81 06"
    " 09 38 15 81 25 7F 75 08 95 01 81 06 C0 C0"
    " 05 01 09 00 A1 01 85 05 15 00 26 FF 00 75 08 95 20 09 00 81 02 09 00 91 02 C0";

QByteArray Bytes(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex));
}

// "page:usage#ids" per top-level collection, page and usage in hex.
QString Describe(const QVector<HidReportDescriptor::Collection>& collections)
{
    QStringList parts;
    for (const HidReportDescriptor::Collection& c : collections) {
        QString text = QStringLiteral("%1:%2").arg(c.usagePage, 0, 16).arg(c.usage, 0, 16);
        QStringList ids;
        for (quint8 id : c.reportIds)
            ids << QString::number(id);
        if (!ids.isEmpty())
            text += QLatin1Char('#') + ids.join(QLatin1Char(','));
        parts << text;
    }
    return parts.join(QLatin1Char(' '));
}

// What must hold for any input, however broken.
void CheckInvariants(const HidReportDescriptor& d)
{
    QVERIFY(d.collections().size() <= HidReportDescriptor::MaxCollections);
    for (const HidReportDescriptor::Collection& c : d.collections()) {
        QVERIFY(c.depth >= 0 && c.depth < HidReportDescriptor::MaxNesting);
        for (int i = 0; i < c.reportIds.size(); ++i) {
            QVERIFY(c.reportIds.at(i) != 0);
            if (i > 0)
                QVERIFY(c.reportIds.at(i - 1) < c.reportIds.at(i));
        }
    }
}

} // namespace

class TestHidReportDescriptor : public QObject
{
    Q_OBJECT

private slots:
    void topLevelCollections_data();
    void topLevelCollections();
    void nestedPointerIsKept();
    void limits_data();
    void limits();
    void fuzzRandomBytes();
    void fuzzMutatedDescriptor();
};

void TestHidReportDescriptor::topLevelCollections_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<QString>("collections");
    QTest::addColumn<bool>("complete");

    QTest::newRow("mouse with nested pointer, vendor collection with id 5")
        << Bytes(MouseAndVendor) << QStringLiteral("1:2#1 1:0#5") << true;
    QTest::newRow("consumer collection after the mouse")
        << Bytes("05 01 09 02 A1 01 85 01 C0 05 0C 09 01 A1 01 85 03 C0") << QStringLiteral("1:2#1 c:1#3") << true;
    QTest::newRow("four-byte usage carries its own page")
        << Bytes("05 01 0B 01 00 00 FF A1 01 C0") << QStringLiteral("ff00:1") << true;
    QTest::newRow("long item skipped whole")
        << Bytes("FE 02 10 A1 A1 05 01 09 02 A1 01 C0") << QStringLiteral("1:2") << true;
    QTest::newRow("pop restores the usage page")
        << Bytes("05 01 A4 05 0C B4 09 02 A1 01 C0") << QStringLiteral("1:2") << true;
    QTest::newRow("first usage names the collection")
        << Bytes("05 01 09 02 09 01 A1 01 C0") << QStringLiteral("1:2") << true;
    QTest::newRow("usage used up by an input item")
        << Bytes("05 01 09 02 81 02 A1 01 C0") << QStringLiteral("1:0") << true;
    QTest::newRow("report id inside nested collection counts for the top")
        << Bytes("05 01 09 02 A1 01 09 01 A1 00 85 07 C0 85 02 C0") << QStringLiteral("1:2#2,7") << true;
    QTest::newRow("truncated inside an item")
        << Bytes("05 01 09 02 A1 01 85") << QStringLiteral("1:2") << false;
    QTest::newRow("truncated four-byte item")
        << Bytes("05 01 09 02 A1 01 C0 07 01 02") << QStringLiteral("1:2") << false;
    QTest::newRow("truncated long item")
        << Bytes("05 01 09 02 A1 01 C0 FE 10 00 01") << QStringLiteral("1:2") << false;
    QTest::newRow("end collection without one open")
        << Bytes("C0 05 01 09 02 A1 01 C0") << QStringLiteral("1:2") << false;
    QTest::newRow("collection never closed")
        << Bytes("05 01 09 02 A1 01") << QStringLiteral("1:2") << false;
    QTest::newRow("report id 0 is not a report id")
        << Bytes("05 01 09 00 A1 01 85 00 C0") << QStringLiteral("1:0") << false;
    QTest::newRow("report id above 255 is not a report id")
        << Bytes("05 01 09 00 A1 01 86 00 01 C0") << QStringLiteral("1:0") << false;
    QTest::newRow("pop without push")
        << Bytes("B4 05 01 09 02 A1 01 C0") << QStringLiteral("1:2") << false;
    QTest::newRow("empty descriptor") << QByteArray() << QString() << false;
}

void TestHidReportDescriptor::topLevelCollections()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(QString, collections);
    QFETCH(bool, complete);
    const HidReportDescriptor parsed(descriptor);
    QCOMPARE(Describe(parsed.topLevelCollections()), collections);
    QCOMPARE(parsed.isComplete(), complete);
    CheckInvariants(parsed);
}

void TestHidReportDescriptor::nestedPointerIsKept()
{
    const HidReportDescriptor parsed(Bytes(MouseAndVendor));
    QCOMPARE(parsed.collections().size(), 3);
    const HidReportDescriptor::Collection pointer = parsed.collections().at(1);
    QCOMPARE(int(pointer.usagePage), 1);
    QCOMPARE(int(pointer.usage), 1);
    QCOMPARE(pointer.depth, 1);
    QCOMPARE(int(pointer.type), 0);
    QCOMPARE(int(parsed.collections().at(0).type), 1);
}

void TestHidReportDescriptor::limits_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<int>("collections");

    QTest::newRow("nesting stops at 32") << Bytes("A1 00").repeated(40) << 32;
    QTest::newRow("collections stop at 256") << Bytes("A1 00 C0").repeated(300) << 256;
    QTest::newRow("push stack stops at 32") << QByteArray(Bytes("A4").repeated(40) + Bytes("A1 01 C0")) << 1;
    QByteArray huge = Bytes("05 01 09 02 A1 01 C0");
    huge.append(QByteArray(5000 - huge.size(), '\0'));
    QTest::newRow("longer than the kernel allows") << huge << 1;
}

void TestHidReportDescriptor::limits()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(int, collections);
    const HidReportDescriptor parsed(descriptor);
    QCOMPARE(parsed.collections().size(), collections);
    QVERIFY(!parsed.isComplete());
    CheckInvariants(parsed);
}

void TestHidReportDescriptor::fuzzRandomBytes()
{
    std::mt19937 random(12345);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes(int(random() % 300), '\0');
        for (char& b : bytes)
            b = char(random() & 0xFF);
        CheckInvariants(HidReportDescriptor(bytes));
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("round %1: %2").arg(round).arg(QString::fromLatin1(bytes.toHex(' ')))));
    }
}

void TestHidReportDescriptor::fuzzMutatedDescriptor()
{
    const QByteArray real = Bytes(MouseAndVendor);
    // Every truncation keeps what came before the cut.
    for (int length = 0; length < real.size(); ++length) {
        const HidReportDescriptor parsed(real.left(length));
        CheckInvariants(parsed);
        if (length >= 6)   // past "A1 01" of the mouse collection
            QCOMPARE(Describe(parsed.topLevelCollections()).left(3), QStringLiteral("1:2"));
    }
    std::mt19937 random(777);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes = real;
        const int edits = 1 + int(random() % 4);
        for (int e = 0; e < edits; ++e)
            bytes[int(random() % uint(bytes.size()))] = char(random() & 0xFF);
        CheckInvariants(HidReportDescriptor(bytes));
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QString::fromLatin1(bytes.toHex(' '))));
    }
}

QTEST_GUILESS_MAIN(TestHidReportDescriptor)
#include "tst_hidreportdescriptor.moc"
