// Compound files as a small FAT file system: reading follows the chains of a file that may be hostile,
// writing lays out a fresh file in which every chain is one contiguous run of sectors.
#include "xls/compound_file.h"

#include "store/store_error.h"
#include "xls/byte_io.h"
#include "xls/xls_texts.h"

#include <QStringList>
#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace velmar::xls {

namespace {

constexpr uint32_t kMaxRegularSector = 0xFFFFFFFA;
constexpr uint32_t kDifatSectorMark = 0xFFFFFFFC;
constexpr uint32_t kFatSectorMark = 0xFFFFFFFD;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFreeSector = 0xFFFFFFFF;
constexpr uint32_t kNoEntry = 0xFFFFFFFF;

constexpr char kSignature[8] = {'\xD0', '\xCF', '\x11', '\xE0', '\xA1', '\xB1', '\x1A', '\xE1'};
constexpr qsizetype kHeaderSize = 512;
constexpr uint32_t kHeaderDifatSlots = 109;
constexpr int kEntrySize = 128;
constexpr int kMaxNameUnits = 31;
constexpr qsizetype kMiniSectorSize = 64;
constexpr uint64_t kMiniStreamCutoff = 4096;

enum EntryType : uint8_t { kUnused = 0, kStorage = 1, kStream = 2, kRoot = 5 };

// Written so that sizes near 2^64 from a hostile directory cannot wrap around to a small count.
uint64_t sectorsFor(uint64_t bytes, uint64_t sectorSize) { return bytes / sectorSize + (bytes % sectorSize != 0); }

std::vector<uint32_t> readU32s(const QByteArray& bytes)
{
    std::vector<uint32_t> values(size_t(bytes.size() / 4));
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = readU32(bytes.constData() + 4 * i);
    return values;
}

// ---------------------------------------------------------------------------------------------------------
// Reading

struct NotCompoundFile {};
struct DamagedFile {};

struct Header {
    qsizetype sectorSize = 0;
    uint32_t fatSectorCount = 0;
    uint32_t firstDirectorySector = 0;
    uint32_t firstMiniFatSector = 0;
    uint32_t firstDifatSector = 0;
    std::vector<uint32_t> difat;  // the FAT sector locations held in the header itself
};

Header readHeader(const QByteArray& bytes)
{
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.constData(), kSignature, sizeof kSignature) != 0)
        throw NotCompoundFile();
    ByteReader r(bytes);
    r.skip(8 + 16 + 2 + 2);  // signature, class id, minor and major version
    if (r.u16() != 0xFFFE)
        throw DamagedFile();
    const uint16_t sectorShift = r.u16();
    if ((sectorShift != 9 && sectorShift != 12) || r.u16() != 6)
        throw DamagedFile();
    Header h;
    h.sectorSize = qsizetype(1) << sectorShift;
    r.skip(6 + 4);  // reserved; the directory sector count, which its chain states anyway
    h.fatSectorCount = r.u32();
    h.firstDirectorySector = r.u32();
    r.skip(4 + 4);  // transaction signature; the mini stream cutoff, fixed at 4096 by the format
    h.firstMiniFatSector = r.u32();
    r.skip(4);  // mini FAT sector count: its chain is the authority
    h.firstDifatSector = r.u32();
    r.skip(4);  // DIFAT sector count: the FAT sector count decides how far the DIFAT chain is read
    for (uint32_t i = 0; i < kHeaderDifatSlots; ++i)
        h.difat.push_back(r.u32());
    return h;
}

// Equal-sized sectors laid end to end from `firstOffset` of `data`, linked into chains by `next`. A sector
// may belong to one chain only: that stops loops and chains running into each other, and keeps the work
// linear in the file size whatever the links say.
class ChainedSectors {
public:
    ChainedSectors(QByteArray data, qsizetype firstOffset, qsizetype sectorSize, std::vector<uint32_t> next)
        : data_(std::move(data)), firstOffset_(firstOffset), sectorSize_(sectorSize), next_(std::move(next)),
          count_(std::min<uint64_t>(next_.size(), sectorsFor(std::max<qsizetype>(0, data_.size() - firstOffset_),
                                                             sectorSize_))),
          claimed_(count_)
    {
    }

    // The first `size` bytes of the chain from `start`; the chain may be longer, never shorter.
    QByteArray read(uint32_t start, uint64_t size)
    {
        const uint64_t needed = sectorsFor(size, sectorSize_);
        if (needed > count_)
            throw DamagedFile();
        const std::vector<uint32_t> sectors = chain(start, needed);
        if (sectors.size() < needed)
            throw DamagedFile();
        return join(sectors, qsizetype(size));
    }

    // A whole chain, for the tables that record no size of their own.
    QByteArray readAll(uint32_t start)
    {
        const std::vector<uint32_t> sectors = chain(start, count_);
        return join(sectors, qsizetype(sectors.size()) * sectorSize_);
    }

private:
    std::vector<uint32_t> chain(uint32_t start, uint64_t maxLength)
    {
        std::vector<uint32_t> sectors;
        for (uint32_t s = start; s != kEndOfChain && sectors.size() < maxLength; s = next_[s]) {
            if (s >= count_ || claimed_[s])  // the range check also turns away FREESECT and the table marks
                throw DamagedFile();
            if (next_[s] > kMaxRegularSector && next_[s] != kEndOfChain)  // a free sector, or one of the tables
                throw DamagedFile();
            claimed_[s] = true;
            sectors.push_back(s);
        }
        return sectors;
    }

    QByteArray join(const std::vector<uint32_t>& sectors, qsizetype size) const
    {
        QByteArray out;
        out.reserve(size);
        for (uint32_t s : sectors) {
            const qsizetype offset = firstOffset_ + qsizetype(s) * sectorSize_;
            const qsizetype length = std::min(sectorSize_, size - out.size());
            if (offset + length > data_.size())  // the file ends inside the sector
                throw DamagedFile();
            out.append(data_.constData() + offset, length);
        }
        return out;
    }

    QByteArray data_;
    qsizetype firstOffset_;
    qsizetype sectorSize_;
    std::vector<uint32_t> next_;
    uint64_t count_;
    std::vector<bool> claimed_;
};

struct DirectoryEntry {
    QString name;
    uint8_t type = kUnused;
    uint32_t left = kNoEntry;
    uint32_t right = kNoEntry;
    uint32_t child = kNoEntry;
    uint32_t start = kEndOfChain;
    uint64_t size = 0;
};

std::vector<DirectoryEntry> readDirectory(const QByteArray& bytes, bool wideSizes)
{
    std::vector<DirectoryEntry> entries(size_t(bytes.size() / kEntrySize));
    for (size_t i = 0; i < entries.size(); ++i) {
        const char* p = bytes.constData() + i * kEntrySize;
        DirectoryEntry& e = entries[i];
        const int units = std::min(readU16(p + 0x40) / 2, kMaxNameUnits + 1);  // never past the name field
        for (int unit = 0; unit < units && readU16(p + 2 * unit) != 0; ++unit)
            e.name.append(QChar(readU16(p + 2 * unit)));
        e.type = uint8_t(p[0x42]);
        e.left = readU32(p + 0x44);
        e.right = readU32(p + 0x48);
        e.child = readU32(p + 0x4C);
        e.start = readU32(p + 0x74);
        // Version 3 writers may leave garbage in the high half; only 4096-byte-sector files use it.
        e.size = wideSizes ? uint64_t(readU32(p + 0x78)) | uint64_t(readU32(p + 0x7C)) << 32 : readU32(p + 0x78);
    }
    if (entries.empty() || entries[0].type != kRoot)
        throw DamagedFile();
    return entries;
}

class CompoundReader {
public:
    explicit CompoundReader(const QByteArray& bytes)
        : bytes_(bytes), header_(readHeader(bytes)), regular_(bytes, header_.sectorSize, header_.sectorSize, readFat()),
          entries_(readDirectory(regular_.readAll(header_.firstDirectorySector), header_.sectorSize == 4096)),
          mini_(regular_.read(entries_[0].start, entries_[0].size), 0, kMiniSectorSize,
                readU32s(regular_.readAll(header_.firstMiniFatSector)))
    {
    }

    // Walks the sibling trees with a stack of its own; an entry reached twice makes the file damaged, so
    // neither cycles nor deep trees can exhaust anything.
    CompoundStreams streams()
    {
        CompoundStreams out;
        std::vector<bool> reached(entries_.size());
        reached[0] = true;
        struct Pending {
            uint32_t id;
            QString folder;
        };
        std::vector<Pending> pending{{entries_[0].child, QString()}};
        while (!pending.empty()) {
            const Pending next = std::move(pending.back());
            pending.pop_back();
            if (next.id == kNoEntry)
                continue;
            if (next.id >= entries_.size() || reached[next.id])
                throw DamagedFile();
            reached[next.id] = true;
            const DirectoryEntry& e = entries_[next.id];
            pending.push_back({e.left, next.folder});
            pending.push_back({e.right, next.folder});
            if (e.type == kStorage)
                pending.push_back({e.child, next.folder + e.name + QLatin1Char('/')});
            else if (e.type == kStream)
                out[next.folder + e.name] = e.size < kMiniStreamCutoff ? mini_.read(e.start, e.size)
                                                                       : regular_.read(e.start, e.size);
            else
                throw DamagedFile();
        }
        return out;
    }

private:
    const char* wholeSector(uint32_t s) const
    {
        if (s >= wholeSectorCount())
            throw DamagedFile();
        return bytes_.constData() + (qsizetype(s) + 1) * header_.sectorSize;
    }

    uint64_t wholeSectorCount() const
    {
        return uint64_t(std::max<qsizetype>(bytes_.size() / header_.sectorSize - 1, 0));
    }

    std::vector<uint32_t> fatSectorLocations() const
    {
        const uint32_t count = header_.fatSectorCount;
        if (count > wholeSectorCount())
            throw DamagedFile();
        std::vector<uint32_t> locations(header_.difat.begin(),
                                        header_.difat.begin() + std::min(count, kHeaderDifatSlots));
        const int slotsPerSector = int(header_.sectorSize / 4) - 1;  // the last slot links to the next one
        for (uint32_t s = header_.firstDifatSector; locations.size() < count;) {
            const char* p = wholeSector(s);
            for (int i = 0; i < slotsPerSector && locations.size() < count; ++i)
                locations.push_back(readU32(p + 4 * i));
            s = readU32(p + 4 * slotsPerSector);
        }
        return locations;
    }

    std::vector<uint32_t> readFat() const
    {
        QByteArray table;
        for (uint32_t s : fatSectorLocations())
            table.append(wholeSector(s), header_.sectorSize);
        return readU32s(table);
    }

    QByteArray bytes_;
    Header header_;
    ChainedSectors regular_;
    std::vector<DirectoryEntry> entries_;
    ChainedSectors mini_;
};

// ---------------------------------------------------------------------------------------------------------
// Writing

struct NewEntry {
    NewEntry() = default;
    NewEntry(QString entryName, EntryType entryType, const QByteArray* streamData = nullptr)
        : name(std::move(entryName)), type(entryType), data(streamData), size(data ? uint64_t(data->size()) : 0)
    {
    }

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

CompoundStreams ReadCompoundFile(const QByteArray& bytes, const QString& fileName)
{
    try {
        return CompoundReader(bytes).streams();
    } catch (const NotCompoundFile&) {
        throw StoreError(texts::notCompoundFile(fileName));
    } catch (const DamagedFile&) {
        throw StoreError(texts::damagedFile(fileName));
    }
}

QByteArray WriteCompoundFile(const CompoundStreams& streams) { return CompoundWriter(streams).bytes(); }

}  // namespace velmar::xls
