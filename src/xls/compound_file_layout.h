// The fixed numbers of the compound-file format, shared by its reader and its writer.
#pragma once

#include "xls/byte_io.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace velmar::xls::compound {

inline constexpr uint32_t kMaxRegularSector = 0xFFFFFFFA;
inline constexpr uint32_t kDifatSectorMark = 0xFFFFFFFC;
inline constexpr uint32_t kFatSectorMark = 0xFFFFFFFD;
inline constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr uint32_t kFreeSector = 0xFFFFFFFF;
inline constexpr uint32_t kNoEntry = 0xFFFFFFFF;

inline constexpr char kSignature[8] = {'\xD0', '\xCF', '\x11', '\xE0', '\xA1', '\xB1', '\x1A', '\xE1'};
inline constexpr qsizetype kHeaderSize = 512;
inline constexpr uint32_t kHeaderDifatSlots = 109;
inline constexpr int kEntrySize = 128;
inline constexpr int kMaxNameUnits = 31;
inline constexpr qsizetype kMiniSectorSize = 64;
inline constexpr uint64_t kMiniStreamCutoff = 4096;

enum EntryType : uint8_t { kUnused = 0, kStorage = 1, kStream = 2, kRoot = 5 };

// Written so that sizes near 2^64 from a hostile directory cannot wrap around to a small count.
inline uint64_t sectorsFor(uint64_t bytes, uint64_t sectorSize)
{
    return bytes / sectorSize + (bytes % sectorSize != 0);
}

inline std::vector<uint32_t> readU32s(const QByteArray& bytes)
{
    std::vector<uint32_t> values(size_t(bytes.size() / 4));
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = readU32(bytes.constData() + 4 * i);
    return values;
}

}  // namespace velmar::xls::compound
