#include "MacroEventTable.h"

#include <QObject>

#include <algorithm>

namespace {

QStandardItem* MakeCell(const QString& text)
{
    auto* item = new QStandardItem(text);
    // Cells change only through the page's commands, never by typing into them.
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

bool CellByte(const QStandardItem* item, quint8& out)
{
    if (!item)
        return false;
    bool ok = false;
    const int value = item->text().toInt(&ok);
    if (!ok || value < 0 || value > 0xFF)
        return false;
    out = quint8(value);
    return true;
}

} // namespace

MacroEventTable::MacroEventTable(QObject* parent)
    : QStandardItemModel(0, kColumnCount, parent)
{
    retranslateHeaders();
}

MacroEventTable::~MacroEventTable() = default;

void MacroEventTable::clearEvents()
{
    if (rowCount() > 0)
        removeRows(0, rowCount());
    setColumnCount(kColumnCount);
    retranslateHeaders();
}

void MacroEventTable::retranslateHeaders()
{
    setHorizontalHeaderLabels({QObject::tr("KEY"), QObject::tr("ACTION"), QObject::tr("DELAY(ms)")});
}

MacroEvent MacroEventTable::eventAt(int row) const
{
    MacroEvent event;
    if (row < 0 || row >= rowCount())
        return event;
    if (!CellByte(item(row, 0), event.Map) || !CellByte(item(row, 1), event.DataH)
        || !CellByte(item(row, 2), event.DataL)) {
        return MacroEvent{};
    }
    return event;
}

QList<QStandardItem*> MacroEventTable::makeRow(const MacroEvent& event) const
{
    if (event.isEmpty())
        return {MakeCell(QString()), MakeCell(QString()), MakeCell(QString())};
    return {MakeCell(QString::number(event.Map)), MakeCell(QString::number(event.DataH)),
            MakeCell(QString::number(event.DataL))};
}

void MacroEventTable::setEventAt(int row, const MacroEvent& event)
{
    if (row < 0 || row >= rowCount())
        return;
    const QList<QStandardItem*> cells = makeRow(event);
    for (int column = 0; column < kColumnCount; ++column)
        setItem(row, column, cells.at(column));
}

void MacroEventTable::setCells(int row, int map, int dataH, int dataL)
{
    if (row < 0 || row >= rowCount())
        return;
    const int values[kColumnCount] = {map, dataH, dataL};
    for (int column = 0; column < kColumnCount; ++column) {
        if (values[column] >= 0)
            setItem(row, column, MakeCell(QString::number(values[column] & 0xFF)));
    }
}

int MacroEventTable::insertEvent(int row, const MacroEvent& event)
{
    const int index = std::clamp(row, 0, rowCount());
    insertRow(index, makeRow(event));
    return index;
}

int MacroEventTable::appendEvent(const MacroEvent& event)
{
    return insertEvent(rowCount(), event);
}

void MacroEventTable::moveEvent(int from, int to)
{
    if (from < 0 || from >= rowCount() || to < 0 || to >= rowCount() || from == to)
        return;
    const QList<QStandardItem*> cells = takeRow(from);
    insertRow(to, cells);
}

QVector<MacroEvent> MacroEventTable::events() const
{
    QVector<MacroEvent> list;
    list.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        list.append(eventAt(row));
    return list;
}

void MacroEventTable::setEvents(const QVector<MacroEvent>& events)
{
    clearEvents();
    for (const MacroEvent& event : events)
        appendRow(makeRow(event));
}

bool MacroEventTable::CheckAllReleased(const QVector<MacroEvent>& events)
{
    // Downs and ups are matched by kind and value, so a key and a button sharing a number stay apart.
    struct Half
    {
        quint8 kind;
        quint8 value;
        bool operator==(const Half& other) const { return kind == other.kind && value == other.value; }
    };
    QVector<Half> downs;
    QVector<Half> ups;
    for (const MacroEvent& event : events) {
        const quint8 kind = event.kind();
        if (kind < 1 || kind > 4)
            continue;
        (event.isPress() ? downs : ups).append(Half{kind, event.DataL});
    }
    if (ups.size() < downs.size())
        return false;
    if (downs.isEmpty())
        return true;
    for (const Half& up : ups) {
        const int found = downs.indexOf(up);
        if (found >= 0)
            downs.remove(found);
    }
    return downs.isEmpty();
}
