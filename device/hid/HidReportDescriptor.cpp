#include "HidReportDescriptor.h"

#include <algorithm>

namespace {

enum ItemType { MainItem = 0, GlobalItem = 1, LocalItem = 2 };

enum MainTag { InputTag = 0x8, OutputTag = 0x9, CollectionTag = 0xA, FeatureTag = 0xB, EndCollectionTag = 0xC };
enum GlobalTag { UsagePageTag = 0x0, ReportIdTag = 0x8, PushTag = 0xA, PopTag = 0xB };
enum LocalTag { UsageTag = 0x0 };

constexpr quint8 LongItemPrefix = 0xFE;

struct GlobalState
{
    quint16 usagePage = 0;
};

void AddReportId(QVector<quint8>& ids, quint8 id)
{
    const auto it = std::lower_bound(ids.begin(), ids.end(), id);
    if (it == ids.end() || *it != id)
        ids.insert(it, id);
}

} // namespace

HidReportDescriptor::HidReportDescriptor(const QByteArray& bytes)
{
    parse(bytes);
}

QVector<HidReportDescriptor::Collection> HidReportDescriptor::topLevelCollections() const
{
    QVector<Collection> result;
    for (const Collection& c : m_collections) {
        if (c.depth == 0)
            result.append(c);
    }
    return result;
}

void HidReportDescriptor::parse(const QByteArray& bytes)
{
    m_collections.clear();
    bool fault = bytes.size() > MaxDescriptorSize;
    const int size = std::min<int>(bytes.size(), MaxDescriptorSize);
    const auto* data = reinterpret_cast<const quint8*>(bytes.constData());

    GlobalState global;
    QVector<GlobalState> globalStack;
    bool haveUsage = false;
    quint16 usage = 0;
    int usagePageOverride = -1;         // a 4-byte usage carries its own page
    QVector<int> open;                  // indices into m_collections of the open collections

    int pos = 0;
    while (pos < size) {
        const quint8 prefix = data[pos];
        if (prefix == LongItemPrefix) {
            // Long items carry no information the transport needs; skip them whole.
            if (pos + 3 > size) {
                fault = true;
                break;
            }
            const int dataSize = data[pos + 1];
            if (pos + 3 + dataSize > size) {
                fault = true;
                break;
            }
            pos += 3 + dataSize;
            continue;
        }

        const int sizeCode = prefix & 0x3;
        const int dataSize = sizeCode == 3 ? 4 : sizeCode;
        const int type = (prefix >> 2) & 0x3;
        const int tag = (prefix >> 4) & 0xF;
        if (pos + 1 + dataSize > size) {
            fault = true;
            break;
        }
        quint32 value = 0;
        for (int i = 0; i < dataSize; ++i)
            value |= quint32(data[pos + 1 + i]) << (8 * i);
        pos += 1 + dataSize;

        if (type == GlobalItem) {
            switch (tag) {
            case UsagePageTag:
                global.usagePage = quint16(value & 0xFFFF);
                break;
            case ReportIdTag:
                if (value == 0 || value > 0xFF) {
                    fault = true;
                    break;
                }
                for (int index : open)
                    AddReportId(m_collections[index].reportIds, quint8(value));
                break;
            case PushTag:
                if (globalStack.size() >= MaxGlobalStack) {
                    fault = true;
                    break;
                }
                globalStack.append(global);
                break;
            case PopTag:
                if (globalStack.isEmpty()) {
                    fault = true;
                    break;
                }
                global = globalStack.takeLast();
                break;
            default:
                break;
            }
        } else if (type == LocalItem) {
            if (tag == UsageTag && !haveUsage) {
                haveUsage = true;
                usage = quint16(value & 0xFFFF);
                usagePageOverride = dataSize == 4 ? int(value >> 16) : -1;
            }
        } else if (type == MainItem) {
            if (tag == CollectionTag) {
                if (open.size() >= MaxNesting || m_collections.size() >= MaxCollections) {
                    fault = true;
                    break;
                }
                Collection c;
                c.usagePage = usagePageOverride >= 0 ? quint16(usagePageOverride) : global.usagePage;
                c.usage = haveUsage ? usage : 0;
                c.type = quint8(value & 0xFF);
                c.depth = open.size();
                m_collections.append(c);
                open.append(m_collections.size() - 1);
            } else if (tag == EndCollectionTag) {
                if (open.isEmpty())
                    fault = true;
                else
                    open.removeLast();
            }
            // Local items apply to the next main item only.
            haveUsage = false;
            usage = 0;
            usagePageOverride = -1;
        }
        // Reserved item types (3) are skipped by their size, as the HID rules ask.
    }

    if (!open.isEmpty())
        fault = true;
    m_complete = !fault && size > 0;
}
