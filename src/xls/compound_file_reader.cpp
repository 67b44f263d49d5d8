// Reading a compound file that may be hostile: every chain is followed under the rule that a sector
// belongs to one chain only, and the directory tree is walked without recursion.
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
        : data_(std::move(data)),
          firstOffset_(firstOffset),
          sectorSize_(sectorSize),
          next_(std::move(next)),
          count_(std::min<uint64_t>(next_.size(),
                                    sectorsFor(std::max<qsizetype>(0, data_.size() - firstOffset_), sectorSize_))),
          claimed_(count_)
    {}

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
        : bytes_(bytes),
          header_(readHeader(bytes)),
          regular_(bytes, header_.sectorSize, header_.sectorSize, readFat()),
          entries_(readDirectory(regular_.readAll(header_.firstDirectorySector), header_.sectorSize == 4096)),
          mini_(regular_.read(entries_[0].start, entries_[0].size), 0, kMiniSectorSize,
                readU32s(regular_.readAll(header_.firstMiniFatSector)))
    {}

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
                out[next.folder + e.name] =
                    e.size < kMiniStreamCutoff ? mini_.read(e.start, e.size) : regular_.read(e.start, e.size);
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

}  // namespace velmar::xls
