// Our INI format against Qt's own QSettings::IniFormat (with QtGui's QColor) on the same keys,
// values and files: written text byte for byte, values read, colours channel for channel.
#include "IniFile.h"
#include "StoredColor.h"

#include <QColor>
#include <QDataStream>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

using KeyValues = QVector<QPair<QString, QVariant>>;
Q_DECLARE_METATYPE(KeyValues)

namespace {

const QByteArray kBom("\xef\xbb\xbf");

QByteArray ColorStream(const QColor& color)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << color;
    return bytes;
}

QColor ColorFromStream(const QByteArray& bytes)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_0);
    QColor color;
    stream >> color;
    return color;
}

StoredColor Stored(const QColor& color)
{
    bool ok = false;
    const StoredColor stored = StoredColor::fromStreamBytes(ColorStream(color), &ok);
    Q_ASSERT(ok);
    return stored;
}

// The value our side stores for what the Qt side stores as a QColor.
QVariant ForUs(const QVariant& value)
{
    if (value.userType() == QMetaType::QColor)
        return QVariant::fromValue(Stored(value.value<QColor>()));
    return value;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Shows the first line where two INI texts part, so a failure says what differs.
bool SameText(const QByteArray& ours, const QByteArray& qt, QString* why)
{
    if (ours == qt)
        return true;
    const QList<QByteArray> a = ours.split('\n');
    const QList<QByteArray> b = qt.split('\n');
    for (int i = 0; i < qMax(a.size(), b.size()); ++i) {
        const QByteArray la = a.value(i, "<none>");
        const QByteArray lb = b.value(i, "<none>");
        if (la != lb) {
            *why = QStringLiteral("line %1: ours [%2] Qt [%3]")
                       .arg(i + 1)
                       .arg(QString::fromLatin1(la.toPercentEncoding(" =[]@,;\\\"()")),
                            QString::fromLatin1(lb.toPercentEncoding(" =[]@,;\\\"()")));
            return false;
        }
    }
    *why = QStringLiteral("texts differ");
    return false;
}

// Qt's value against ours: a QColor must have come back as a StoredColor of the same bytes.
bool SameValue(const QVariant& qt, const QVariant& ours)
{
    if (qt.userType() == QMetaType::QColor) {
        return ours.userType() == qMetaTypeId<StoredColor>()
            && ours.value<StoredColor>().toStreamBytes() == ColorStream(qt.value<QColor>());
    }
    if (qt.userType() != ours.userType())
        return false;
    if (qt.userType() == QMetaType::QVariantList) {
        const QVariantList a = qt.toList();
        const QVariantList b = ours.toList();
        if (a.size() != b.size())
            return false;
        for (int i = 0; i < a.size(); ++i) {
            if (!SameValue(a[i], b[i]))
                return false;
        }
        return true;
    }
    if (!qt.isValid())
        return !ours.isValid();
    return qt == ours;
}

QString Describe(const QVariant& v)
{
    QString text;
    QDebug(&text) << v;
    return text;
}

const StoredColor::Spec kSpecs[] = {StoredColor::Invalid, StoredColor::Rgb, StoredColor::Hsv,
                                    StoredColor::Cmyk, StoredColor::Hsl, StoredColor::ExtendedRgb};

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void writtenTextMatchesQt_data();
    void writtenTextMatchesQt();
    void profileSizedFileMatchesQt();

    void readValuesMatchQt_data();
    void readValuesMatchQt();
    void rewrittenTextMatchesQt_data();
    void rewrittenTextMatchesQt();
    void generatedFilesMatchQt();
    void generatedValuesMatchQt();
    void byteOrderMarkSurvivesRewrite_data();
    void byteOrderMarkSurvivesRewrite();

    void colourStreamLayout_data();
    void colourStreamLayout();
    void colourChannelsMatchQColor();
    void colourEqualityMatchesQColor();
    void colourNamesMatchQColor();
    void coloursWrittenByQtReadBack();
    void storedColourReadsBackInQt();
    void colourSurvivesRewriteByUs();

    void unknownVariantKeptByteForByte_data();
    void unknownVariantKeptByteForByte();
    void garbageDoesNotCrash_data();
    void garbageDoesNotCrash();
    void randomBytesDoNotCrash();

    void formatRegisteredOnce();

private:
    // Every QSettings object of one process shares the parse of a path, whatever its format, so
    // each file is written once and read by one side only.
    QString newPath();
    QByteArray writeWithQt(const KeyValues& values);
    QByteArray writeWithUs(const KeyValues& values);
    QByteArray rewriteWithQt(const QByteArray& text);
    QByteArray rewriteWithQtKeepingBom(const QByteArray& text);
    QByteArray rewriteWithUs(const QByteArray& text);
    void compareReads(const QByteArray& text);

    QTemporaryDir m_dir;
    int m_files = 0;
};

void TestIniFile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("MOUSECFG_APP_DIR", m_dir.path().toLocal8Bit());
}

QString TestIniFile::newPath()
{
    return m_dir.filePath(QStringLiteral("f%1.ini").arg(++m_files));
}

QByteArray TestIniFile::writeWithQt(const KeyValues& values)
{
    const QString path = newPath();
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const auto& kv : values)
            settings.setValue(kv.first, kv.second);
    }
    return ReadAll(path);
}

QByteArray TestIniFile::writeWithUs(const KeyValues& values)
{
    const QString path = newPath();
    {
        const std::unique_ptr<QSettings> settings = OpenIni(path);
        for (const auto& kv : values)
            settings->setValue(kv.first, ForUs(kv.second));
    }
    return ReadAll(path);
}

QByteArray TestIniFile::rewriteWithQt(const QByteArray& text)
{
    const QString path = newPath();
    WriteAll(path, text);
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(QStringLiteral("zz/marker"), 1);
    }
    return ReadAll(path);
}

QByteArray TestIniFile::rewriteWithUs(const QByteArray& text)
{
    const QString path = newPath();
    WriteAll(path, text);
    {
        const std::unique_ptr<QSettings> settings = OpenIni(path);
        settings->setValue(QStringLiteral("zz/marker"), 1);
    }
    return ReadAll(path);
}

// Qt drops a leading byte-order mark but still writes UTF-8; we keep the mark, the text is otherwise Qt's.
QByteArray TestIniFile::rewriteWithQtKeepingBom(const QByteArray& text)
{
    const QByteArray qt = rewriteWithQt(text);
    return text.startsWith(kBom) ? kBom + qt : qt;
}

void TestIniFile::compareReads(const QByteArray& text)
{
    const QString qtPath = newPath();
    const QString ourPath = newPath();
    WriteAll(qtPath, text);
    WriteAll(ourPath, text);
    QSettings qt(qtPath, QSettings::IniFormat);
    const std::unique_ptr<QSettings> ours = OpenIni(ourPath);
    // allKeys() first: Qt then parses every section, in the order its writer sees them.
    const QStringList qtKeys = qt.allKeys();
    const QStringList ourKeys = ours->allKeys();
    QVERIFY2(qtKeys == ourKeys, qPrintable(QStringLiteral("keys: ours %1 Qt %2 for %3")
                                               .arg(ourKeys.join(QLatin1Char('|')),
                                                    qtKeys.join(QLatin1Char('|')),
                                                    QString::fromLatin1(text.toPercentEncoding()))));
    for (const QString& key : qtKeys) {
        if (key.isEmpty())
            continue; // "=v" in [General] gives a key QSettings::value() cannot look up
        const QVariant a = qt.value(key);
        const QVariant b = ours->value(key);
        QVERIFY2(SameValue(a, b), qPrintable(QStringLiteral("%1: ours %2 Qt %3 for %4")
                                                 .arg(key, Describe(b), Describe(a),
                                                      QString::fromLatin1(text.toPercentEncoding()))));
    }
}

// ---------------------------------------------------------------------------------------------

void TestIniFile::writtenTextMatchesQt_data()
{
    QTest::addColumn<KeyValues>("values");
    const auto row = [](const char* name, const KeyValues& values) { QTest::newRow(name) << values; };

    row("ints and negative ints", {{"PROFILE/dpi", 3}, {"PROFILE/pollrate", -1}, {"PROFILE/zero", 0}});
    row("uints as decimal", {{"PROFILE/DPI_INFO_0_x", 4294967295u}, {"PROFILE/DPI_INFO_0_y", 12u}});
    row("64-bit and bool and double",
        {{"a/ll", qlonglong(-1234567890123LL)}, {"a/ull", qulonglong(18446744073709551615ULL)},
         {"a/t", true}, {"a/f", false}, {"a/d", 0.1}, {"a/big", 1e300}});
    row("string with blanks at the ends is quoted", {{"s/k", QStringLiteral(" padded ")}});
    row("inner blanks are not quoted", {{"s/k", QStringLiteral("Profile 1")}});
    row("quotes and backslashes escaped", {{"s/k", QStringLiteral("say \"hi\" C:\\dir\\")}});
    row("comma semicolon equals force quotes", {{"s/a", QStringLiteral("a,b")}, {"s/b", QStringLiteral("x;y")},
                                                {"s/c", QStringLiteral("k=v")}});
    row("non-ASCII as \\x escapes", {{"s/k", QString::fromUtf8("Caf\xc3\xa9 \xe4\xb8\xad\xe6\x96\x87")}});
    row("emoji as two \\x escapes", {{"s/k", QString::fromUtf8("\xf0\x9f\x98\x80" "1a")}});
    row("hex digit after \\x escape escaped too", {{"s/k", QString::fromUtf8("\xc3\xa9" "abc\xc3\xa9g")}});
    row("control characters", {{"s/k", QStringLiteral("\a\b\f\n\r\t\v\x01\x1f\x7f end")}});
    row("NUL makes @String", {{"s/k", QString(QStringLiteral("a") + QChar(0) + QStringLiteral("1b"))}});
    row("leading @ doubled", {{"s/a", QStringLiteral("@home")}, {"s/b", QStringLiteral("@@x")},
                              {"s/c", QStringLiteral("@Invalid()")}});
    row("empty string", {{"s/k", QString()}, {"s/e", QStringLiteral("")}});
    row("invalid variant", {{"s/k", QVariant()}});
    row("string list", {{"s/k", QStringList{"a", " b ", "c,d", "", "@x"}}});
    row("empty string list", {{"s/k", QStringList()}});
    row("one-item string list", {{"s/k", QStringList{"only"}}});
    row("variant lists", {{"s/none", QVariantList()},
                          {"s/one", QVariantList{7}},
                          {"s/two", QVariantList{1, QStringLiteral("x y")}},
                          {"s/nested", QVariantList{QVariantList{1, 2}, 3}}});
    row("byte array", {{"s/k", QByteArray("a\0b\xff\x01" "9,=", 8)}});
    row("rect size point", {{"g/r", QRect(1, -2, 30, 40)}, {"g/s", QSize(5, 6)}, {"g/p", QPoint(-7, 8)}});
    row("date and date-time", {{"t/d", QDate(2020, 1, 2)},
                               {"t/dt", QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC)}});
    row("float and char as variants", {{"t/f", 1.5f}, {"t/c", QChar(QLatin1Char('x'))}});
    row("nested key written with backslash", {{"PROFILE/LedMode/LED_MODE_3_RGB", 1},
                                              {"PROFILE/LedMode/LED_MODE_3_h", 360}, {"PROFILE/pollrate", 2}});
    row("root keys only", {{"b", 1}, {"a", QStringLiteral("x")}});
    row("root keys go to [General] first", {{"Zed/k", 1}, {"root", 2}, {"Alpha/k", 3}});
    row("group named General", {{"General/g", 1}, {"Config/x", 2}, {"top", 3}});
    row("group named general in other case", {{"general/g", 1}, {"GENERAL/h", 2}});
    row("sections by name not by key", {{"A-B/y", 1}, {"A/x", 2}, {"A.B/z", 3}, {"A0/w", 4}});
    row("keys escaped", {{"s/with space", 1}, {"s/100%", 2}, {"s/\xe4\xb8\xad", 3}, {"s/a=b;c", 4},
                         {"s/[x]", 5}, {"s/@at", 6}, {"s/caf\xc3\xa9", 7}});
    row("section names escaped", {{"my section/k", 1}, {"caf\xc3\xa9/k", 2}, {"%/k", 3}});
    row("key starting with a digit", {{"MACRO_LIST/0", QStringLiteral("Macro 1")}, {"PROFILE_LIST/10", 1},
                                      {"PROFILE_LIST/9", 2}});

    row("colour red", {{"PROFILE/LedMode/LED_MODE_0_RGB", QColor(255, 0, 0)}});
    row("colour with alpha", {{"c/k", QColor(1, 2, 3, 4)}});
    row("colour hsv", {{"c/k", QColor::fromHsv(200, 100, 50, 255)}});
    row("colour hsv achromatic", {{"c/k", QColor::fromHsv(-1, 0, 50)}});
    row("colour cmyk", {{"c/k", QColor::fromCmyk(10, 20, 30, 40, 50)}});
    row("colour hsl", {{"c/k", QColor::fromHsl(300, 200, 100)}});
    row("colour extended rgb", {{"c/k", QColor::fromRgbF(1.5, -0.25, 0.5, 1.0)}});
    row("colour invalid", {{"c/k", QColor()}});
    row("colour from 12-digit name", {{"c/k", QColor(QStringLiteral("#123456789abc"))}});
    row("colours beside ints", {{"PROFILE/LedMode/LED_MODE_1_RGB", QColor(0, 255, 0)},
                                {"PROFILE/LedMode/LED_MODE_1_bright", 3},
                                {"PROFILE/LedMode/LED_MODE_1_breath", 2}});
}

void TestIniFile::writtenTextMatchesQt()
{
    QFETCH(KeyValues, values);
    const QByteArray qt = writeWithQt(values);
    const QByteArray ours = writeWithUs(values);
    QString why;
    QVERIFY2(SameText(ours, qt, &why), qPrintable(why));
}

// A whole profile file: 8,453 keys of the shapes the store writes.
void TestIniFile::profileSizedFileMatchesQt()
{
    KeyValues values;
    values.reserve(8453);
    const QString p = QStringLiteral("PROFILE/");
    values.append({p + QStringLiteral("pollrate"), 3});
    values.append({p + QStringLiteral("dpi"), 2});
    for (int i = 0; i < 8; ++i) {
        for (const char* f : {"used", "link"})
            values.append({p + QStringLiteral("DPI_INFO_%1_%2").arg(i).arg(QLatin1String(f)), 1});
        for (const char* f : {"xy", "x", "y"})
            values.append({p + QStringLiteral("DPI_INFO_%1_%2").arg(i).arg(QLatin1String(f)), uint(i * 8 + 8)});
    }
    for (const char* f : {"mousespeed", "dbclickspeed", "scrollispage", "scrollspeed", "accelenable", "acee"})
        values.append({p + QLatin1String(f), 10});
    for (int b = 0; b < 42; ++b) {
        const QString prefix = p + QStringLiteral("BUTTON_INFO_%1").arg(b);
        for (const char* f : {"_ID", "_Fun", "_LoopNumber", "_KeyNumber", "_Res1", "_Res2", "_Res3", "_Res4"})
            values.append({prefix + QLatin1String(f), b});
        const QString macro = b % 3 ? QString() : QStringLiteral("Macro %1").arg(b);
        values.append({prefix + QStringLiteral("_macroname"), macro});
        for (int k = 0; k < 63; ++k) {
            values.append({prefix + QStringLiteral("_KeyInfo_%1_map").arg(k), k});
            values.append({prefix + QStringLiteral("_KeyInfo_%1_").arg(k), 255 - k});
            values.append({prefix + QStringLiteral("_KeyInfo_%1_H").arg(k), 200});
        }
    }
    values.append({p + QStringLiteral("ProfileName"), QStringLiteral("Profile 1")});
    values.append({p + QStringLiteral("ProfilePath"), QStringLiteral("C:/Users/me/Profile 1.prof")});
    for (const char* f : {"LedMode", "LedMoveOFF", "LedSleepTime"})
        values.append({p + QLatin1String(f), 1});
    for (int e = 0; e < 14; ++e) {
        const QString prefix = p + QStringLiteral("LedMode/LED_MODE_%1_").arg(e);
        values.append({prefix + QStringLiteral("RGB"), QColor(e * 18, 255 - e, e)});
        for (const char* f : {"h", "s", "v", "bright", "breath"})
            values.append({prefix + QLatin1String(f), e});
    }
    QCOMPARE(values.size(), 8453);

    const QByteArray qt = writeWithQt(values);
    const QByteArray ours = writeWithUs(values);
    QString why;
    QVERIFY2(SameText(ours, qt, &why), qPrintable(why));

    const QString qtPath = newPath();
    const QString ourPath = newPath();
    WriteAll(qtPath, qt);
    WriteAll(ourPath, qt);
    QElapsedTimer timer;
    timer.start();
    QSettings qtSettings(qtPath, QSettings::IniFormat);
    const QStringList qtKeys = qtSettings.allKeys();
    const qint64 qtNs = timer.nsecsElapsed();
    timer.restart();
    const std::unique_ptr<QSettings> ourSettings = OpenIni(ourPath);
    const QStringList ourKeys = ourSettings->allKeys();
    const qint64 ourNs = timer.nsecsElapsed();
    qInfo("load of %d keys: Qt %.2f ms, ours %.2f ms", int(ourKeys.size()), qtNs / 1e6, ourNs / 1e6);
    QCOMPARE(ourKeys, qtKeys);
    for (const QString& key : qtKeys)
        QVERIFY2(SameValue(qtSettings.value(key), ourSettings->value(key)), qPrintable(key));
}

// ---------------------------------------------------------------------------------------------

namespace {

void AddReadRows()
{
    QTest::addColumn<QByteArray>("text");
    const auto row = [](const char* name, const QByteArray& text) { QTest::newRow(name) << text; };
    row("plain sections", "[A]\nx=1\ny=two\n\n[B]\nz=3\n");
    row("unsorted sections and keys", "[Z]\nb=1\na=2\n[A]\nx=1\n[M]\nk=1\n");
    row("CRLF line ends", "[A]\r\nx=1\r\ny = 2 \r\n");
    row("CR line ends", "[A]\rx=1\ry=2\r");
    row("comments", "; top\n[A] ; after section\nx=1 ; after value\n;x=2\n  ; indented\ny=\"a;b\"\n");
    row("keys before any section", "a=1\nb=2\n[S]\nc=3\n");
    row("General section merges with the root", "[General]\na=1\n[S]\nb=2\n[general]\nc=3\n");
    row("%General is a section", "[%General]\na=1\n[%GENERAL]\nb=2\n");
    row("duplicate key later wins", "[A]\nx=1\nx=2\n");
    row("duplicate section merges", "[A]\nx=1\n[B]\ny=2\n[A]\nx=3\nz=4\n");
    row("key from a slashed section against a backslash key", "[A%2FB]\nc=1\n[A]\nB\\c=2\n");
    row("backslash key against a slashed section", "[A]\nB\\c=2\n[A%2FB]\nc=1\n");
    row("root key with slash against a section", "[A]\nx=1\n[General]\nA\\x=2\n");
    row("section with text after ]", "[A]x=1\ny=2\n");
    row("section without ]", "[A\nx=1\n");
    row("empty section name", "[]\nx=1\n");
    row("section padded", "[  A B  ]\nx=1\n");
    row("backslash in key is slash", "[P]\nLedMode\\LED_MODE_0_RGB=5\n");
    row("percent escapes in keys", "[S]\n%20a=1\nb%2=2\nc%=3\n%U0041%U00e9=4\n%zz=5\n%U12=6\n");
    row("odd percent numbers", "[S]\na% 1=1\nb%+f=2\nc%0x=3\nd%U0x41=4\ne%1 =5\nf%-1=6\ng%U-fff=7\n");
    row("percent escaped section", "[caf%E9%20x]\nk=1\n");
    row("key with blanks around", "[S]\n  my key \t= v\n");
    row("empty key", "[S]\n=v\n");
    row("empty value", "[S]\nk=\nj=   \n");
    row("quoted values",
        "[S]\na=\"  x  \"\nb=\"a,b\"\nc=\"say \\\"hi\\\"\"\nd=\"x\" \"y\"\ne=\"unterminated\n");
    row("quoted value over two lines", "[S]\na=\"x\ny\"\nb=1\n");
    row("escapes", "[S]\na=\\a\\b\\f\\n\\r\\t\\v\\\\\\\"\\?\\'\nb=\\x41\\x4g\\x\n"
                   "c=\\101\\0\\08\nd=\\q\\\ne=\\x10000041\n");
    row("continuation lines", "[S]\na=one\\\ntwo\nb=x\\\r\ny\nc=p\\\n\rq\n");
    row("trailing blanks and escapes", "[S]\na=x  \nb=x\\t  \nc=x \\  \n");
    row("string lists", "[S]\na=1, 2, 3\nb= x ,y ,\nc=\"a,b\", c\nd=,\ne=a,\"\",b\n");
    row("list with @ items", "[S]\na=@@x, y\nb=@Invalid(), x\nc=x, @ByteArray(ab)\nd=@@a, @@b\n");
    row("typed values", "[S]\na=@ByteArray(a\\0b)\nb=@String(x\\0y)\nc=@Invalid()\nd=@@x\ne=@x\nf=@\n");
    row("geometry",
        "[S]\nr=@Rect(1 2 3 4)\ns=@Size(5 6)\np=@Point(-7 8)\nbad=@Size(1)2 3)\nshort=@Rect(1 2)\n");
    row("QtCore variants", "[S]\ni=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
                           "l=@Variant(\\0\\0\\0\\t\\0\\0\\0\\x1\\0\\0\\0\\x2\\0\\0\\0\\x1)\n"
                           "f=@Variant(\\0\\0\\0\\x87?\\xc0\\0\\0)\n"
                           "dt=@DateTime(\\0\\0\\0\\x10\\0\\0\\0\\0\\0\\0%\\x84\\xe3\\0\\xa8\\x88\\x88\\x1)\n"
                           "inv=@Variant(\\0\\0\\0\\0\\0\\0\\0\\0)\n");
    row("colour",
        "[PROFILE]\nLedMode\\LED_MODE_0_RGB="
        "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)\n");
    row("colour with trailing bytes",
        "[S]\nc=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0xyz)\n");
    row("colour one byte short", "[S]\nc=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0)\n");
    row("UTF-8 byte-order mark", "\xef\xbb\xbf[S]\na=caf\xc3\xa9\nb=\\xe9\n");
    row("byte-order mark before a root key", "\xef\xbb\xbf" "a=1\n[S]\nb=2\n");
    row("byte-order mark, blank line, root key", "\xef\xbb\xbf\n  a=1\n");
    row("byte-order mark and blanks before a root key", "\xef\xbb\xbf  a=1\n");
    row("Latin-1 bytes", "[S]\na=caf\xe9\n\xe9t\xe9=1\n");
    row("NUL bytes", QByteArray("[S\0x]\na\0b=c\0d\n[general\0x]\ne=1\n", 30));
    row("lines without =", "[S]\njunk\nk=v\n\"quoted = still junk\"\n");
}

} // namespace

void TestIniFile::readValuesMatchQt_data()
{
    AddReadRows();
}

void TestIniFile::readValuesMatchQt()
{
    QFETCH(QByteArray, text);
    compareReads(text);
}

void TestIniFile::rewrittenTextMatchesQt_data()
{
    AddReadRows();
}

void TestIniFile::rewrittenTextMatchesQt()
{
    QFETCH(QByteArray, text);
    QString why;
    QVERIFY2(SameText(rewriteWithUs(text), rewriteWithQtKeepingBom(text), &why), qPrintable(why));
}

namespace {

// INI-like text from pieces that exercise the reader's corners.
QByteArray GeneratedIni(QRandomGenerator& rng)
{
    static const char* const pieces[] = {
        "[", "]", "=", ";", ",", "\"", "\\", "\n", "\r", "\r\n", " ", "\t", "%", "%2F", "%U0041", "%20",
        "%zz", "%U", "a", "B", "x", "1", "0", "general", "%General", "PROFILE", "/", "@", "@@", "@Invalid()",
        "@ByteArray(ab)", "@String(x)", "@Rect(1 2 3 4)", "@Size(1 2)", "@Point(3 4)", "@Size(1)2 3)",
        "\\x41", "\\x", "\\0", "\\101", "\\n", "\\\n", "\xe9", "\xc3\xa9", "0x", "-1", "+f", "\\\"",
        "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x1\\x1\\x2\\x2\\x3\\x3\\0\\0)",
        "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)",
        "[A]\n", "[A/B]\n", "[A%2FB]\n", "B\\c=", "k=", "\nk=v\n"};
    // Single characters too, for what the pieces never put side by side.
    static const char soup[] = "[]=;,\"\\\n\r \t%@()xa0U/\v\f\xe9\xef\xbb\xbf";
    const int count = int(sizeof pieces / sizeof pieces[0]);
    QByteArray text;
    if (rng.bounded(8) == 0)
        text += "\xef\xbb\xbf";
    const int n = rng.bounded(1, 60);
    const bool fromSoup = rng.bounded(3) == 0;
    for (int i = 0; i < n; ++i) {
        if (fromSoup)
            text += soup[rng.bounded(int(sizeof soup) - 1)];
        else
            text += pieces[rng.bounded(count)];
    }
    return text;
}

QString RandomText(QRandomGenerator& rng, bool forKey)
{
    static const ushort chars[] = {'a', 'b', 'Z', '0', '9', ' ', '%', '\\', '"', ',', ';', '=', '[', ']', '@',
                                   '-', '_', '.', '\t', '\n', 0, 1, 0x7f, 0xe9, 0xff, 0x100, 0x4e2d, 0xd83d,
                                   0xde00, 'f'};
    const int n = rng.bounded(forKey ? 1 : 0, 12);
    QString s;
    for (int i = 0; i < n; ++i) {
        ushort c = chars[rng.bounded(int(sizeof chars / sizeof chars[0]))];
        if (forKey && (c == 0 || c == '\\'))
            c = 'k';
        s += QChar(c);
    }
    if (forKey && s.trimmed().isEmpty())
        s += QLatin1Char('k');
    return s;
}

QColor RandomColor(QRandomGenerator& rng)
{
    QByteArray bytes(11, '\0');
    bytes[0] = char(rng.bounded(6));
    for (int i = 1; i < 11; ++i)
        bytes[i] = char(rng.bounded(256));
    return ColorFromStream(bytes);
}

QVariant RandomValue(QRandomGenerator& rng)
{
    switch (rng.bounded(12)) {
    case 0:
        return int(rng.generate());
    case 1:
        return uint(rng.generate());
    case 2:
        return QVariant();
    case 3:
        return QStringList{RandomText(rng, false), RandomText(rng, false)};
    case 4:
        return QVariantList{int(rng.bounded(100)), RandomText(rng, false), QVariant()};
    case 5:
        return QByteArray::fromStdString(RandomText(rng, false).toStdString());
    case 6:
        return RandomColor(rng);
    case 7:
        return bool(rng.bounded(2));
    case 8:
        return QStringLiteral("@") + RandomText(rng, false);
    default:
        return RandomText(rng, false);
    }
}

} // namespace

void TestIniFile::generatedFilesMatchQt()
{
    QRandomGenerator rng(20240611);
    for (int i = 0; i < 100; ++i) {
        const QByteArray text = GeneratedIni(rng);
        compareReads(text);
        if (QTest::currentTestFailed())
            return;
        QString why;
        QVERIFY2(SameText(rewriteWithUs(text), rewriteWithQtKeepingBom(text), &why),
                 qPrintable(why + QStringLiteral(" for ") + QString::fromLatin1(text.toPercentEncoding())));
    }
}

void TestIniFile::generatedValuesMatchQt()
{
    QRandomGenerator rng(77);
    for (int i = 0; i < 60; ++i) {
        KeyValues values;
        const int n = rng.bounded(1, 8);
        for (int k = 0; k < n; ++k) {
            QString key = RandomText(rng, true);
            if (rng.bounded(2))
                key = RandomText(rng, true) + QLatin1Char('/') + key;
            values.append({key, RandomValue(rng)});
        }
        QString why;
        QVERIFY2(SameText(writeWithUs(values), writeWithQt(values), &why), qPrintable(why));
    }
}

void TestIniFile::byteOrderMarkSurvivesRewrite_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("start"); // of the file after one more key is written

    const QString uebung = QString::fromUtf8("\xc3\x9c" "bung");
    QTest::newRow("BOM, ASCII value") << kBom + "[Config]\nModel=X8 Wireless\n" << "Config/Model"
                                      << "X8 Wireless" << kBom + "[Config]\nModel=X8 Wireless\n";
    QTest::newRow("BOM, non-ASCII value") << kBom + "[Config]\nProfile1=\xc3\x9c" "bung\n" << "Config/Profile1"
                                          << uebung << kBom + "[Config]\nProfile1=\xc3\x9c" "bung\n";
    QTest::newRow("BOM, [General] header first") << kBom + "[General]\nName=\xc3\x9c" "bung\n[S]\nb=2\n"
                                                 << "Name" << uebung << kBom + "[General]\nName=\xc3\x9c" "bung\n";
    // Qt reads a key before any section from the file's first byte: the mark becomes part of its name.
    QTest::newRow("BOM before a root key") << kBom + "Name=\xc3\x9c" "bung\n" << QString::fromLatin1(kBom + "Name")
                                           << uebung << kBom + "[General]\n%EF%BB%BFName=\xc3\x9c" "bung\n";
    QTest::newRow("no BOM") << QByteArray("[Config]\nProfile1=\\xdc\\x62ung\n") << "Config/Profile1" << uebung
                            << QByteArray("[Config]\nProfile1=\\xdc\\x62ung\n");
}

void TestIniFile::byteOrderMarkSurvivesRewrite()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, start);

    const QString original = newPath();
    WriteAll(original, text);
    QCOMPARE(QSettings(original, QSettings::IniFormat).value(key).toString(), value);

    const QString path = newPath();
    WriteAll(path, text);
    {
        const std::unique_ptr<QSettings> ours = OpenIni(path);
        QCOMPARE(ours->value(key).toString(), value);
        ours->setValue(QStringLiteral("zz/marker"), 1);
    }
    const QByteArray written = ReadAll(path);

    // Fresh paths, so each reader parses the written bytes rather than a shared earlier parse.
    const QString forQt = newPath();
    const QString forUs = newPath();
    WriteAll(forQt, written);
    WriteAll(forUs, written);
    QSettings qt(forQt, QSettings::IniFormat);
    const std::unique_ptr<QSettings> ours = OpenIni(forUs);
    QCOMPARE(qt.value(key).toString(), value);
    QCOMPARE(ours->value(key).toString(), value);
    QCOMPARE(qt.value(QStringLiteral("zz/marker")).toInt(), 1);
    QCOMPARE(ours->value(QStringLiteral("zz/marker")).toInt(), 1);
    QCOMPARE(ours->allKeys(), qt.allKeys());
    QVERIFY2(written.startsWith(start), written.toPercentEncoding().constData());
}

// ---------------------------------------------------------------------------------------------

void TestIniFile::colourStreamLayout_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("red: spec 1, alpha ffff, red ffff")
        << QColor(255, 0, 0) << QByteArray::fromHex("01ffffffff000000000000");
    QTest::newRow("rgb components times 257")
        << QColor(1, 2, 3, 4) << QByteArray::fromHex("0104040101020203030000");
    QTest::newRow("hsv hue in hundredths of a degree") << QColor::fromHsv(200, 255, 255)
                                                        << QByteArray::fromHex("02ffff4e20ffffffff0000");
    QTest::newRow("hsv achromatic hue ffff")
        << QColor::fromHsv(-1, 0, 128) << QByteArray::fromHex("02ffffffff000080800000");
    QTest::newRow("cmyk four components")
        << QColor::fromCmyk(1, 2, 3, 4, 5) << QByteArray::fromHex("0305050101020203030404");
    QTest::newRow("hsl like hsv")
        << QColor::fromHsl(90, 255, 128) << QByteArray::fromHex("04ffff2328ffff80800000");
    QTest::newRow("invalid colour") << QColor() << QByteArray::fromHex("00ffff0000000000000000");
}

void TestIniFile::colourStreamLayout()
{
    QFETCH(QColor, color);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ColorStream(color), bytes);
    bool ok = false;
    const StoredColor stored = StoredColor::fromStreamBytes(bytes, &ok);
    QVERIFY(ok);
    QCOMPARE(stored.toStreamBytes(), bytes);
    QCOMPARE(int(stored.spec()), int(color.spec()));
    QCOMPARE(stored.isValid(), color.isValid());
    QCOMPARE(stored.red(), color.red());
    QCOMPARE(stored.green(), color.green());
    QCOMPARE(stored.blue(), color.blue());
    QCOMPARE(stored.alpha(), color.alpha());
    QCOMPARE(stored.name(), color.name());
}

void TestIniFile::colourChannelsMatchQColor()
{
    QRandomGenerator rng(5);
    QByteArray bytes(11, '\0');
    for (int i = 0; i < 20000; ++i) {
        bytes[0] = char(kSpecs[i % 6]);
        for (int k = 1; k < 11; ++k)
            bytes[k] = char(rng.bounded(256));
        // Edges the conversions treat apart: hue 36000 and ffff, zero saturation and lightness.
        if (i % 7 == 0) {
            static const quint16 edges[] = {0, 1, 0xffff, 36000, 35999, 0x8000, 0x7c00, 0xfc00, 0x3c00};
            const int slot = 1 + 2 * rng.bounded(5);
            const quint16 v = edges[rng.bounded(int(sizeof edges / sizeof edges[0]))];
            bytes[slot] = char(v >> 8);
            bytes[slot + 1] = char(v & 0xff);
        }
        const QColor color = ColorFromStream(bytes);
        bool ok = false;
        const StoredColor stored = StoredColor::fromStreamBytes(bytes, &ok);
        QVERIFY(ok);
        if (stored.red() != color.red() || stored.green() != color.green() || stored.blue() != color.blue()
            || stored.alpha() != color.alpha() || stored.isValid() != color.isValid()
            || stored.name() != color.name() || stored.toStreamBytes() != bytes) {
            QFAIL(qPrintable(QStringLiteral("%1: ours %2,%3,%4,%5 Qt %6,%7,%8,%9")
                                 .arg(QString::fromLatin1(bytes.toHex()))
                                 .arg(stored.red()).arg(stored.green()).arg(stored.blue()).arg(stored.alpha())
                                 .arg(color.red()).arg(color.green()).arg(color.blue()).arg(color.alpha())));
        }
    }
}

void TestIniFile::colourEqualityMatchesQColor()
{
    QRandomGenerator rng(9);
    QByteArray a(11, '\0');
    for (int i = 0; i < 20000; ++i) {
        for (int k = 1; k < 11; ++k)
            a[k] = char(rng.bounded(256));
        a[0] = char(kSpecs[rng.bounded(6)]);
        QByteArray b = a;
        // Mostly near neighbours, so the tolerances and the hue modulo are hit.
        switch (rng.bounded(5)) {
        case 0:
            b[0] = char(kSpecs[rng.bounded(6)]);
            break;
        case 1: {
            const int slot = 1 + 2 * rng.bounded(5);
            const quint16 old = quint16((uchar(b[slot]) << 8) | uchar(b[slot + 1]));
            const quint16 v = quint16(old + rng.bounded(-60, 60));
            b[slot] = char(v >> 8);
            b[slot + 1] = char(v & 0xff);
            break;
        }
        case 2: {
            const quint16 hue = quint16((uchar(a[3]) << 8) | uchar(a[4]));
            const quint16 other = quint16(hue % 36000 + 36000 * rng.bounded(2));
            b[3] = char(other >> 8);
            b[4] = char(other & 0xff);
            break;
        }
        case 3:
            b[0] = char(StoredColor::Rgb);
            a[0] = char(StoredColor::ExtendedRgb);
            break;
        default:
            for (int k = 1; k < 11; ++k)
                b[k] = char(rng.bounded(256));
        }
        const bool qt = ColorFromStream(a) == ColorFromStream(b);
        const bool ours = StoredColor::fromStreamBytes(a) == StoredColor::fromStreamBytes(b);
        QVERIFY2(qt == ours, qPrintable(QStringLiteral("%1 vs %2: Qt %3")
                                            .arg(QString::fromLatin1(a.toHex()), QString::fromLatin1(b.toHex()))
                                            .arg(qt)));
        QCOMPARE(StoredColor::fromStreamBytes(a) != StoredColor::fromStreamBytes(b), !qt);
    }
}

void TestIniFile::colourNamesMatchQColor()
{
    QStringList names = QColor::colorNames();
    for (const QString& name : QColor::colorNames()) {
        names << name.toUpper()
              << QStringLiteral(" ") + name.left(2) + QStringLiteral("\t") + name.mid(2) + QStringLiteral(" ");
    }
    names << QStringLiteral("#abc") << QStringLiteral("#ABCDEF") << QStringLiteral("#80ff0000")
          << QStringLiteral("#123456789") << QStringLiteral("#123456789abc") << QStringLiteral("#fff0")
          << QStringLiteral("#12345g") << QStringLiteral("#") << QStringLiteral("")
          << QStringLiteral("nosuchcolour") << QStringLiteral("#1234567890abcd")
          << QString::fromUtf8("red\xe4\xb8\x80xyz") << QString::fromUtf8("#fff\xe4\xb8\x80")
          << QString(QStringLiteral("re") + QChar(0) + QStringLiteral("d")) << QStringLiteral("Light Blue")
          << QStringLiteral("transparent") << QStringLiteral("TRANSPARENT") << QStringLiteral(" #abc")
          << QStringLiteral("#-12") << QStringLiteral("#+12345") << QString(300, QLatin1Char('a'));
    for (const QString& name : qAsConst(names)) {
        const QColor color(name);
        const StoredColor stored = StoredColor::fromString(name);
        QVERIFY2(stored.toStreamBytes() == ColorStream(color),
                 qPrintable(name + QStringLiteral(": ") + QString::fromLatin1(stored.toStreamBytes().toHex())));
    }
    QCOMPARE(StoredColor::fromString(QStringLiteral("red")), StoredColor::fromRgb(255, 0, 0));
    QCOMPARE(StoredColor::fromRgb(256, 0, 0).isValid(), false);
    QCOMPARE(StoredColor::fromRgb(0, 0, 0, -1).isValid(), false);
}

void TestIniFile::coloursWrittenByQtReadBack()
{
    const QColor colours[] = {QColor(255, 0, 0),
                              QColor(0, 255, 0, 128),
                              QColor::fromHsv(359, 1, 2),
                              QColor::fromHsv(-1, 0, 255),
                              QColor::fromCmyk(255, 0, 128, 3),
                              QColor::fromHsl(12, 34, 56, 78),
                              QColor::fromRgbF(2.0, 0.5, -1.0),
                              QColor()};
    KeyValues values;
    for (int i = 0; i < int(sizeof colours / sizeof colours[0]); ++i)
        values.append({QStringLiteral("PROFILE/LedMode/LED_MODE_%1_RGB").arg(i), colours[i]});
    const QString path = newPath();
    WriteAll(path, writeWithQt(values));

    const std::unique_ptr<QSettings> ours = OpenIni(path);
    for (int i = 0; i < int(sizeof colours / sizeof colours[0]); ++i) {
        const QVariant value = ours->value(values[i].first);
        QCOMPARE(value.userType(), qMetaTypeId<StoredColor>());
        const StoredColor stored = value.value<StoredColor>();
        const QColor& color = colours[i];
        QCOMPARE(stored.isValid(), color.isValid());
        QCOMPARE(stored.red(), color.red());
        QCOMPARE(stored.green(), color.green());
        QCOMPARE(stored.blue(), color.blue());
        QCOMPARE(stored.alpha(), color.alpha());
        QCOMPARE(int(stored.spec()), int(color.spec()));
        for (int k = 0; k < int(sizeof colours / sizeof colours[0]); ++k)
            QCOMPARE(stored == Stored(colours[k]), color == colours[k]);
    }
}

void TestIniFile::storedColourReadsBackInQt()
{
    QRandomGenerator rng(3);
    KeyValues values;
    std::vector<QColor> expected;
    for (int i = 0; i < 60; ++i) {
        const QColor color = i == 0 ? QColor() : RandomColor(rng);
        expected.push_back(color);
        values.append({QStringLiteral("c/k%1").arg(i, 2, 10, QLatin1Char('0')), color});
    }
    const QString path = newPath();
    WriteAll(path, writeWithUs(values));
    QSettings qt(path, QSettings::IniFormat);
    for (int i = 0; i < int(values.size()); ++i) {
        const QVariant value = qt.value(values[i].first);
        QCOMPARE(value.userType(), int(QMetaType::QColor));
        // An ExtendedRgb NaN compares unequal even to itself in QColor; the bytes still must match.
        if (expected[size_t(i)] == expected[size_t(i)])
            QCOMPARE(value.value<QColor>(), expected[size_t(i)]);
        QCOMPARE(ColorStream(value.value<QColor>()), ColorStream(expected[size_t(i)]));
    }
}

// A QtCore-only QSettings would rewrite an unloadable colour as "@Variant(\0\0\0\x43)"; ours keeps it.
void TestIniFile::colourSurvivesRewriteByUs()
{
    const QColor colour = QColor::fromHsv(120, 200, 100, 50);
    const QString written = newPath();
    {
        QSettings qt(written, QSettings::IniFormat);
        qt.setValue(QStringLiteral("PROFILE/LedMode/LED_MODE_0_RGB"), colour);
        qt.setValue(QStringLiteral("PROFILE/dpi"), 1);
    }
    const QByteArray before = ReadAll(written);

    const QString edited = newPath();
    WriteAll(edited, before);
    {
        const std::unique_ptr<QSettings> ours = OpenIni(edited);
        ours->setValue(QStringLiteral("PROFILE/dpi"), 4);
    }
    const QByteArray after = ReadAll(edited);
    QCOMPARE(after, QByteArray(before).replace("dpi=1", "dpi=4"));

    const QString reread = newPath();
    WriteAll(reread, after);
    QSettings qt(reread, QSettings::IniFormat);
    QCOMPARE(qt.value(QStringLiteral("PROFILE/LedMode/LED_MODE_0_RGB")).value<QColor>(), colour);
    QCOMPARE(qt.value(QStringLiteral("PROFILE/dpi")).toInt(), 4);
}

// ---------------------------------------------------------------------------------------------

void TestIniFile::unknownVariantKeptByteForByte_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("user type by name") << QByteArray("v=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\aMyType\\0\\x1\\x2)");
    QTest::newRow("widgets type") << QByteArray("v=@Variant(\\0\\0\\0K\\0\\0\\0\\0)");
    QTest::newRow("colour with unknown spec")
        << QByteArray("v=@Variant(\\0\\0\\0\\x43\\t\\xff\\xff\\x1\\x1\\x2\\x2\\x3\\x3\\0\\0)");
    QTest::newRow("truncated int") << QByteArray("v=@Variant(\\0\\0\\0\\x2\\0)");
    QTest::newRow("truncated type") << QByteArray("v=@Variant(\\0\\0)");
    QTest::newRow("list claiming 2^31 items") << QByteArray("v=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)");
    QTest::newRow("date-time of another type") << QByteArray("v=@DateTime(\\0\\0\\0\\x2\\0\\0\\0\\0\\x5)");
    // QtCore reads this as a date-time in a null zone and crashes writing that back.
    QTest::newRow("date-time in a zone no system has")
        << QByteArray("v=@DateTime(\\0\\0\\0\\x10\\0\\0`\\xb0RawIniVa\\xff\\xff)");
}

void TestIniFile::unknownVariantKeptByteForByte()
{
    QFETCH(QByteArray, line);
    const QByteArray text = "[S]\na=1\n" + line + "\n";
    const QString path = newPath();
    WriteAll(path, text);
    {
        const std::unique_ptr<QSettings> ours = OpenIni(path);
        QVERIFY(ours->contains(QStringLiteral("S/v")));
        ours->setValue(QStringLiteral("S/a"), 2);
    }
    QCOMPARE(ReadAll(path), "[S]\na=2\n" + line + "\n");
}

void TestIniFile::garbageDoesNotCrash_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("truncated variant") << QByteArray("[S]\nv=@Variant(\\0\\0");
    QTest::newRow("variant without closing") << QByteArray("[S]\nv=@Variant(\\0\\0\\0\\x43\\x1");
    QTest::newRow("unterminated quote") << QByteArray("[S]\nv=\"abc\n[T]\nw=1\n");
    QTest::newRow("backslash at end") << QByteArray("[S]\nv=\\");
    QTest::newRow("hex escape at end") << QByteArray("[S]\nv=\\x");
    QTest::newRow("percent at key end") << QByteArray("[S]\n%U=1\n%=2\n%U00=3");
    QTest::newRow("only a bracket") << QByteArray("[");
    QTest::newRow("nested lists past any depth")
        << "[S]\nv=@Variant(" + QByteArray("\\0\\0\\0\\t\\0\\0\\0\\x1").repeated(200)
               + "\\0\\0\\0\\x2\\0\\0\\0\\x1)\n";
    QTest::newRow("map claiming many entries")
        << QByteArray("[S]\nv=@Variant(\\0\\0\\0\\b\\xff\\xff\\xff\\xf0)\n");
    QTest::newRow("string list claiming many")
        << QByteArray("[S]\nv=@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff\\0\\0\\0\\x2\\0a)\n");
    QTest::newRow("string of odd length") << QByteArray("[S]\nv=@Variant(\\0\\0\\0\\n\\0\\0\\0\\x3\\0a\\0)\n");
    QTest::newRow("bit array claiming 4G bits")
        << QByteArray("[S]\nv=@Variant(\\0\\0\\0\\r\\xff\\xff\\xff\\xff\\x1)\n");
    QTest::newRow("hex escape overflowing") << "[S]\nv=\\x" + QByteArray(200, 'f') + "\n";
    QTest::newRow("octal escape overflowing") << "[S]\nv=\\" + QByteArray(200, '7') + "\n";
    QTest::newRow("1 MB line") << "[S]\nv=" + QByteArray(1 << 20, 'x') + "\n";
    QTest::newRow("1 MB quoted line") << "[S]\nv=\"" + QByteArray(1 << 20, ',') + "\n";
    QTest::newRow("1 MB of section openers") << QByteArray(1 << 20, '[');
    QTest::newRow("1 MB of list items") << "[S]\nv=" + QByteArray("a,").repeated(1 << 19) + "\n";
}

void TestIniFile::garbageDoesNotCrash()
{
    QFETCH(QByteArray, text);
    const QString path = newPath();
    WriteAll(path, text);
    {
        const std::unique_ptr<QSettings> ours = OpenIni(path);
        for (const QString& key : ours->allKeys()) {
            if (!key.isEmpty())
                ours->value(key).toString();
        }
        ours->setValue(QStringLiteral("S/extra"), 1);
    }
    const std::unique_ptr<QSettings> again = OpenIni(path);
    QCOMPARE(again->value(QStringLiteral("S/extra")).toInt(), 1);
}

void TestIniFile::randomBytesDoNotCrash()
{
    QRandomGenerator rng(11);
    for (int i = 0; i < 300; ++i) {
        QByteArray text(rng.bounded(1, 400), '\0');
        for (char& c : text)
            c = char(rng.bounded(256));
        if (i % 2)
            text.prepend("[S]\nv=@Variant(");
        const QString path = newPath();
        WriteAll(path, text);
        const std::unique_ptr<QSettings> ours = OpenIni(path);
        for (const QString& key : ours->allKeys()) {
            if (!key.isEmpty())
                ours->value(key).toString();
        }
        ours->setValue(QStringLiteral("S/extra"), 1);
    }
}

void TestIniFile::formatRegisteredOnce()
{
    std::vector<std::thread> threads;
    std::atomic<int> formats[8];
    for (int i = 0; i < 8; ++i)
        threads.emplace_back([&formats, i] { formats[i] = int(MousecfgIniFormat()); });
    for (std::thread& t : threads)
        t.join();
    for (int i = 0; i < 8; ++i)
        QCOMPARE(formats[i].load(), int(MousecfgIniFormat()));
    QVERIFY(MousecfgIniFormat() >= QSettings::CustomFormat1);
    QCOMPARE(OpenIni(newPath())->format(), MousecfgIniFormat());
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
