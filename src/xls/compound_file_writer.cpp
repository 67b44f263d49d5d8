// Writing a fresh compound file in which every chain is one contiguous run of sectors.
#include "xls/compound_file.h"

#include "store/store_error.h"
#include "xls/compound_file_layout.h"
#include "xls/xls_texts.h"

#include <QStringList>
#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace velmar::xls {

namespace {

using namespace compound;

struct NewEntry {
    NewEntry() = default;
    NewEntry(QString entryName, EntryType entryType, const QByteArray* streamData = nullptr)
        : name(std::move(entryName)), type(entryType), data(streamData), size(data ? uint64_t(data->size()) : 0)
    {}

    QString name;
    EntryType type = kUnused;
    const QByteArray* data = nullptr;
    uint64_t size = 0;
    uint32_t start = 0;
    std::vector<uint32_t> children;
    uint32_t left = kNoEntry;
    uint32_t right = kNoEntry;
    uint32_t child = kNoEntry;
    bool red = false;
};

// The order siblings are searched in: shorter names first, then code unit by code unit ignoring case.
int compareNames(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t ua = a[i].toUpper().unicode();
        const char16_t ub = b[i].toUpper().unicode();
        if (ua != ub)
            return ua < ub ? -1 : 1;
    }
    return 0;
}

// Links the sorted siblings [first, last) into a search tree split at the middle and returns its root.
// Such a tree has every empty link on its last two levels, so painting an incomplete last level red and
// everything else black keeps the red-black rules for readers that check them.
uint32_t linkSiblings(std::vector<NewEntry>& entries, const std::vector<uint32_t>& sorted, size_t first, size_t last,
                      int depth, int redDepth)
{
    if (first == last)
        return kNoEntry;
    const size_t middle = first + (last - first) / 2;
    NewEntry& e = entries[sorted[middle]];
    e.red = depth == redDepth;
    e.left = linkSiblings(entries, sorted, first, middle, depth + 1, redDepth);
    e.right = linkSiblings(entries, sorted, middle + 1, last, depth + 1, redDepth);
    return sorted[middle];
}

void arrangeChildren(std::vector<NewEntry>& entries, NewEntry& parent)
{
    std::vector<uint32_t> sorted = parent.children;
    std::sort(sorted.begin(), sorted.end(),
              [&](uint32_t a, uint32_t b) { return compareNames(entries[a].name, entries[b].name) < 0; });
    for (size_t i = 0; i + 1 < sorted.size(); ++i)
        if (compareNames(entries[sorted[i]].name, entries[sorted[i + 1]].name) == 0)
            throw std::invalid_argument("compound file names differing only in case: " +
                                        entries[sorted[i]].name.toStdString());
    const size_t n = sorted.size();
    const int levels = int(std::bit_width(n));
    const bool lastLevelFull = n == (size_t(1) << levels) - 1;
    parent.child = linkSiblings(entries, sorted, 0, n, 0, lastLevelFull ? -1 : levels - 1);
}

// Entry 0 is the root; a storage is made for every folder of the paths.
std::vector<NewEntry> buildDirectory(const CompoundStreams& streams)
{
    std::vector<NewEntry> entries{{QStringLiteral("Root Entry"), kRoot}};
    const auto addEntry = [&entries](uint32_t parent, NewEntry entry) {
        if (entry.name.isEmpty() || entry.name.size() > kMaxNameUnits)
            throw std::invalid_argument("compound file names have 1 to 31 characters: " + entry.name.toStdString());
        entries[parent].children.push_back(uint32_t(entries.size()));
        entries.push_back(std::move(entry));
        return uint32_t(entries.size() - 1);
    };
    std::map<QString, uint32_t> storages;
    for (const auto& [path, data] : streams) {
        const QStringList names = path.split(QLatin1Char('/'));
        uint32_t parent = 0;
        QString folder;
        for (qsizetype i = 0; i + 1 < names.size(); ++i) {
            folder += names[i] + QLatin1Char('/');
            const auto [storage, isNew] = storages.try_emplace(folder);
            if (isNew)
                storage->second = addEntry(parent, {names[i], kStorage});
            parent = storage->second;
        }
        addEntry(parent, {names.back(), kStream, &data});
    }
    for (NewEntry& e : entries)
        arrangeChildren(entries, e);
    return entries;
}

struct Run {
    uint32_t first = 0;
    uint32_t count = 0;
    uint32_t end() const { return first + count; }
};

// Chains the sectors of `run` one after the other in an allocation table.
void linkRun(std::vector<uint32_t>& table, Run run)
{
    for (uint32_t s = run.first; s < run.end(); ++s)
        table[s] = s + 1 < run.end() ? s + 1 : kEndOfChain;
}

class CompoundWriter {
public:
    explicit CompoundWriter(const CompoundStreams& streams) : entries_(buildDirectory(streams)) { place(); }

    QByteArray bytes()
    {
        out_.reserve(kSectorSize * (1 + qsizetype(difatRun_.end())));
        writeHeader();
        for (const NewEntry& e : entries_)
            if (e.type == kStream && e.size >= kMiniStreamCutoff)
                appendPadded(*e.data, kSectorSize, '\0');
        for (const NewEntry& e : entries_)
            if (e.type == kStream && e.size < kMiniStreamCutoff)
                appendPadded(*e.data, kMiniSectorSize, '\0');
        padTo(kSectorSize, '\0');
        appendPadded(u32Bytes(miniFat_), kSectorSize, '\xFF');
        for (const NewEntry& e : entries_)
            appendEntry(e);
        for (size_t i = entries_.size(); i % (kSectorSize / kEntrySize) != 0; ++i)
            appendEntry(NewEntry{});
        out_.append(u32Bytes(fat()));
        appendDifatSectors();
        return out_;
    }

private:
    static constexpr qsizetype kSectorSize = 512;
    static constexpr uint32_t kSlotsPerSector = kSectorSize / 4;

    // Streams first, then the mini stream, the mini FAT, the directory, the FAT and the DIFAT.
    void place()
    {
        uint32_t dataSectors = 0;
        for (NewEntry& e : entries_) {
            if (e.type != kStream)
                continue;
            if (e.size == 0) {
                e.start = kEndOfChain;
            } else if (e.size >= kMiniStreamCutoff) {
                e.start = dataSectors;
                dataSectors += uint32_t(sectorsFor(e.size, kSectorSize));
            } else {
                const Run run{uint32_t(miniFat_.size()), uint32_t(sectorsFor(e.size, kMiniSectorSize))};
                miniFat_.resize(run.end());
                linkRun(miniFat_, run);
                e.start = run.first;
            }
        }
        NewEntry& root = entries_[0];
        root.size = uint64_t(miniFat_.size()) * kMiniSectorSize;
        root.start = miniFat_.empty() ? kEndOfChain : dataSectors;
        miniStreamRun_ = {dataSectors, uint32_t(sectorsFor(root.size, kSectorSize))};
        miniFatRun_ = {miniStreamRun_.end(), uint32_t(sectorsFor(miniFat_.size(), kSlotsPerSector))};
        directoryRun_ = {miniFatRun_.end(), uint32_t(sectorsFor(entries_.size(), kSectorSize / kEntrySize))};

        // FAT sectors need FAT entries of their own, and past 109 of them DIFAT sectors, which need entries too.
        uint32_t fatSectors = 0;
        uint32_t difatSectors = 0;
        for (;;) {
            const uint32_t covered = directoryRun_.end() + fatSectors + difatSectors;
            const auto neededFat = uint32_t(sectorsFor(covered, kSlotsPerSector));
            const auto neededDifat = neededFat > kHeaderDifatSlots
                ? uint32_t(sectorsFor(neededFat - kHeaderDifatSlots, kSlotsPerSector - 1))
                : 0;
            if (neededFat == fatSectors && neededDifat == difatSectors)
                break;
            fatSectors = neededFat;
            difatSectors = neededDifat;
        }
        fatRun_ = {directoryRun_.end(), fatSectors};
        difatRun_ = {fatRun_.end(), difatSectors};
    }

    std::vector<uint32_t> fat() const
    {
        std::vector<uint32_t> table(size_t(fatRun_.count) * kSlotsPerSector, kFreeSector);
        for (const NewEntry& e : entries_)
            if (e.type == kStream && e.size >= kMiniStreamCutoff)
                linkRun(table, {e.start, uint32_t(sectorsFor(e.size, kSectorSize))});
        linkRun(table, miniStreamRun_);
        linkRun(table, miniFatRun_);
        linkRun(table, directoryRun_);
        std::fill_n(table.begin() + fatRun_.first, fatRun_.count, kFatSectorMark);
        std::fill_n(table.begin() + difatRun_.first, difatRun_.count, kDifatSectorMark);
        return table;
    }

    // The location of FAT sector `i`, or FREESECT for the unused slots after the last one.
    uint32_t fatLocation(uint32_t i) const { return i < fatRun_.count ? fatRun_.first + i : kFreeSector; }

    void writeHeader()
    {
        ByteWriter w(out_);
        w.bytes(QByteArray(kSignature, sizeof kSignature)).zeros(16);
        w.u16(0x003E).u16(3).u16(0xFFFE).u16(9).u16(6).zeros(6);
        w.u32(0).u32(fatRun_.count).u32(directoryRun_.first).u32(0).u32(uint32_t(kMiniStreamCutoff));
        w.u32(miniFatRun_.count == 0 ? kEndOfChain : miniFatRun_.first).u32(miniFatRun_.count);
        w.u32(difatRun_.count == 0 ? kEndOfChain : difatRun_.first).u32(difatRun_.count);
        for (uint32_t i = 0; i < kHeaderDifatSlots; ++i)
            w.u32(fatLocation(i));
    }

    void appendDifatSectors()
    {
        ByteWriter w(out_);
        uint32_t fatSector = kHeaderDifatSlots;
        for (uint32_t d = difatRun_.first; d < difatRun_.end(); ++d) {
            for (uint32_t slot = 0; slot + 1 < kSlotsPerSector; ++slot)
                w.u32(fatLocation(fatSector++));
            w.u32(d + 1 < difatRun_.end() ? d + 1 : kEndOfChain);
        }
    }

    void appendEntry(const NewEntry& e)
    {
        const qsizetype at = out_.size();
        out_.append(kEntrySize, '\0');
        char* p = out_.data() + at;
        for (qsizetype i = 0; i < e.name.size(); ++i)
            writeU16(p + 2 * i, e.name[i].unicode());
        writeU16(p + 0x40, e.type == kUnused ? 0 : uint16_t(2 * (e.name.size() + 1)));
        p[0x42] = char(e.type);
        p[0x43] = e.type == kUnused || e.red ? 0 : 1;
        writeU32(p + 0x44, e.left);
        writeU32(p + 0x48, e.right);
        writeU32(p + 0x4C, e.child);
        writeU32(p + 0x74, e.start);
        writeU32(p + 0x78, uint32_t(e.size));
    }

    static QByteArray u32Bytes(const std::vector<uint32_t>& values)
    {
        QByteArray bytes;
        ByteWriter w(bytes);
        for (uint32_t v : values)
            w.u32(v);
        return bytes;
    }

    void appendPadded(const QByteArray& data, qsizetype unit, char fill)
    {
        out_.append(data);
        padTo(unit, fill);
    }

    void padTo(qsizetype unit, char fill)
    {
        const qsizetype over = (out_.size() - kHeaderSize) % unit;
        if (over != 0)
            out_.append(unit - over, fill);
    }

    std::vector<NewEntry> entries_;
    std::vector<uint32_t> miniFat_;
    Run miniStreamRun_;
    Run miniFatRun_;
    Run directoryRun_;
    Run fatRun_;
    Run difatRun_;
    QByteArray out_;
};

}  // namespace

QByteArray WriteCompoundFile(const CompoundStreams& streams) { return CompoundWriter(streams).bytes(); }

}  // namespace velmar::xls
