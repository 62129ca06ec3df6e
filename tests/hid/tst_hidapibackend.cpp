#include "HidapiBackend.h"

#include <QStringList>
#include <QtTest>

namespace {

const char* const MouseAndVendor =
    "05 01 09 02 A1 01 85 01 09 01 A1 00 05 09 19 01 29 05 15 00 25 01 95 05 75 01 81 02"
    " 95 01 75 03 81 01 05 01 09 30 09 31 15 81 25 7F 75 08 95 02 81 06 C0 C0"
    " 05 01 09 00 A1 01 85 05 15 00 26 FF 00 75 08 95 20 09 00 81 02 09 00 91 02 C0";

HidDeviceInfo Record(const QString& path, quint16 page, quint16 usage)
{
    HidDeviceInfo info;
    info.path = path;
    info.vendorId = 0x248A;
    info.productId = 0xFA02;
    info.releaseNumber = 0x0100;
    info.usagePage = page;
    info.usage = usage;
    info.interfaceNumber = 0;
    return info;
}

QStringList Describe(const QVector<HidDeviceInfo>& infos)
{
    QStringList out;
    for (const HidDeviceInfo& info : infos)
        out << QStringLiteral("%1 %2:%3 %4").arg(info.path).arg(info.usagePage).arg(info.usage).arg(info.releaseNumber, 0, 16);
    return out;
}

} // namespace

Q_DECLARE_METATYPE(HidDeviceInfo)

class TestHidapiBackend : public QObject
{
    Q_OBJECT

private slots:
    void initEnumerateOpen();
    void descriptorCollections_data();
    void descriptorCollections();
    void sysfsPathIsChecked_data();
    void sysfsPathIsChecked();
};

void TestHidapiBackend::initEnumerateOpen()
{
    HidapiBackend backend;
    QCOMPARE(backend.init(), 0);
    // A build machine may have no HID devices at all; whatever is listed must be usable.
    const QVector<HidDeviceInfo> devices = backend.enumerate();
    for (const HidDeviceInfo& info : devices)
        QVERIFY(!info.path.isEmpty());
    QVERIFY(backend.open(QStringLiteral("/nonexistent/hidraw-none")) == nullptr);
    QVERIFY(backend.open(QString()) == nullptr);
    QCOMPARE(backend.releaseNumber(QStringLiteral("/nonexistent/hidraw-none")), -1);
    backend.exit();
}

void TestHidapiBackend::descriptorCollections_data()
{
    QTest::addColumn<QVector<HidDeviceInfo>>("listed");
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<QStringList>("expected");

    const QString node = QStringLiteral("/dev/hidraw3");
    const QByteArray descriptor = QByteArray::fromHex(MouseAndVendor);
    QTest::newRow("old hidapi: one record per node gains the vendor collection")
        << QVector<HidDeviceInfo>{ Record(node, 1, 2) } << descriptor
        << QStringList{ node + " 1:2 100", node + " 1:0 100" };
    QTest::newRow("new hidapi: every collection listed, nothing added")
        << QVector<HidDeviceInfo>{ Record(node, 1, 2), Record(node, 1, 1), Record(node, 1, 0) } << descriptor
        << QStringList{ node + " 1:2 100", node + " 1:1 100", node + " 1:0 100" };
    QTest::newRow("unreadable descriptor: nothing added")
        << QVector<HidDeviceInfo>{ Record(node, 1, 2) } << QByteArray() << QStringList{ node + " 1:2 100" };
    QTest::newRow("truncated descriptor: what was read before the cut")
        << QVector<HidDeviceInfo>{ Record(node, 1, 2) } << descriptor.left(descriptor.size() - 20)
        << QStringList{ node + " 1:2 100", node + " 1:0 100" };
}

void TestHidapiBackend::descriptorCollections()
{
    QFETCH(QVector<HidDeviceInfo>, listed);
    QFETCH(QByteArray, descriptor);
    QFETCH(QStringList, expected);
    int reads = 0;
    HidapiBackend::AddDescriptorCollections(listed, [&](const QString&) {
        ++reads;
        return descriptor;
    });
    QCOMPARE(Describe(listed), expected);
    QCOMPARE(reads, 1);   // once per node, not once per record
}

void TestHidapiBackend::sysfsPathIsChecked_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("parent folder in the name") << QStringLiteral("/dev/hidraw0/../../etc/passwd");
    QTest::newRow("relative name") << QStringLiteral("hidraw0");
    QTest::newRow("not a hidraw node") << QStringLiteral("/dev/sda");
    QTest::newRow("virtual mouse path") << QStringLiteral("/dev/hidraw-virtual-dongle");
    QTest::newRow("windows path") << QStringLiteral("\\\\?\\hid#vid_248a&pid_fa02&col04#x");
    QTest::newRow("empty") << QString();
}

void TestHidapiBackend::sysfsPathIsChecked()
{
    QFETCH(QString, path);
    QCOMPARE(HidapiBackend::ReadSysfsDescriptor(path), QByteArray());
}

QTEST_GUILESS_MAIN(TestHidapiBackend)
#include "tst_hidapibackend.moc"
