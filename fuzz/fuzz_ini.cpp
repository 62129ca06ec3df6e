// The INI reader on any bytes: it never aborts (Qt's own reader does on some "@Variant"
// values), and what it writes back reads as itself.
#include "FuzzSupport.h"
#include "IniFile.h"

#include <QBuffer>
#include <algorithm>

namespace {

QSettings::SettingsMap Read(QByteArray bytes)
{
    QSettings::SettingsMap map;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ReadMousecfgIni(buffer, map);
    return map;
}

QByteArray Write(const QSettings::SettingsMap& map)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    FUZZ_CHECK(WriteMousecfgIni(buffer, map), "the writer stores every map");
    return bytes;
}

// QtCore's own stream form of a date-time is not stable: a local time it cannot place
// moves at each save. Values that hold one are left out of the comparison.
bool HoldsDateTime(const QVariant& value)
{
    if (value.userType() == QMetaType::QDateTime)
        return true;
    if (value.userType() == QMetaType::QVariantList) {
        const QVariantList list = value.toList();
        return std::any_of(list.begin(), list.end(), HoldsDateTime);
    }
    return false;
}

// Only keys in the form QSettings gives every key it is handed (no "/" at either end,
// none doubled, not empty) can be named by a caller; a file may hold others, which the
// writer stores as Qt does, but they need not come back under the same name. The section
// "general" in any case is Qt's reserved one and comes back as "General".
QSettings::SettingsMap NamedKeys(const QSettings::SettingsMap& map)
{
    QSettings::SettingsMap named;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const QString& key = it.key();
        if (!key.isEmpty() && !key.startsWith(QLatin1Char('/')) && !key.endsWith(QLatin1Char('/'))
            && !key.contains(QLatin1String("//")) && !HoldsDateTime(it.value())
            && !key.startsWith(QLatin1String("general/"), Qt::CaseInsensitive))
            named.insert(key, it.value());
    }
    return named;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > fuzz::kMaxInput)
        return 0;
    fuzz::Environment::instance();
    const QSettings::SettingsMap map = Read(fuzz::Bytes(data, size));
    Write(map);
    const QSettings::SettingsMap named = NamedKeys(map);
    const QByteArray written = Write(named);
    const QSettings::SettingsMap again = Read(written);
    if (again.keys() != named.keys()) {
        std::fprintf(stderr, "read:    %s\nwritten: %s\nreread:  %s\n", qPrintable(named.keys().join(QLatin1Char('|'))),
                     written.toPercentEncoding(" =[]\n").constData(), qPrintable(again.keys().join(QLatin1Char('|'))));
    }
    FUZZ_CHECK(again.keys() == named.keys(), "a written file holds the keys that were read");
    FUZZ_CHECK(Write(again) == written, "a written file reads back as itself");
    return 0;
}
