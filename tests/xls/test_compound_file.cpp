// Compound files: what we write reads back and opens in olefile, a file laid out by another hand reads
// right, and damaged files end in a message naming the file.
#include "xls/compound_file.h"

#include "store/store_error.h"
#include "support/python_check.h"
#include "support/temp_folder.h"
#include "xls/byte_io.h"
#include "xls/xls_texts.h"

#include <QCryptographicHash>
#include <QStringList>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace velmar::xls {
namespace {

using test::runPython;
using test::TempFolder;
using test::writeBytes;

const QString kFileName = QStringLiteral("Situatie 2024.xls");
constexpr qsizetype kPastTheHeaderDifat = 7864320;  // 7.5 MB take more FAT sectors than the header can list

// Bytes that differ from sector to sector, so a misplaced, repeated or missing sector shows.
QByteArray content(qsizetype size, uint32_t seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    uint32_t x = seed * 2654435761u + 12345u;
    for (char& c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = char(x >> 24);
    }
    return bytes;
}

// One line per stream, "<path as UTF-8 hex> <size> <sha1>", sorted: what the Python readers print too, and
// short enough to show when a 7 MB stream differs.
QString describe(const CompoundStreams& streams)
{
    QStringList lines;
    for (const auto& [path, data] : streams)
        lines << QStringLiteral("%1 %2 %3")
                     .arg(QString::fromLatin1(path.toUtf8().toHex()))
                     .arg(data.size())
                     .arg(QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex()));
    lines.sort();
    return lines.join(QLatin1Char('\n'));
}

// Asks olefile, in its strict mode, for every stream; parsing issues it only logs are printed as well.
QString describeWithOlefile(const QByteArray& file)
{
    TempFolder dir;
    writeBytes(dir.file(QStringLiteral("book.xls")), file);
    const auto run = runPython(QStringLiteral(R"(
import sys, hashlib, olefile
o = olefile.OleFileIO(sys.argv[1], raise_defects=olefile.DEFECT_INCORRECT)
lines = []
for path in o.listdir(streams=True, storages=False):
    data = o.openstream(path).read()
    lines.append('%s %d %s' % ('/'.join(path).encode('utf-8').hex(), len(data), hashlib.sha1(data).hexdigest()))
print('\n'.join(sorted(lines)))
for issue in o.parsing_issues: print('issue:', issue)
)"),
                               {dir.file(QStringLiteral("book.xls"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return run.out.trimmed();
}

struct StreamSet {
    const char* name;
    CompoundStreams streams;
};

void PrintTo(const StreamSet& set, std::ostream* os) { *os << set.name; }

CompoundStreams manySiblings()
{
    CompoundStreams streams;
    for (int i = 0; i < 40; ++i) {
        const QString letters(i % 5 + 1, i % 2 ? QLatin1Char('Y') : QLatin1Char('x'));
        streams[letters + QString::number(i)] = content(i % 7 == 0 ? 5000 : 37 * i, 100 + i);
    }
    for (int i = 0; i < 7; ++i)  // seven siblings make a perfect tree, which has no red nodes at all
        streams[QStringLiteral("Full/%1").arg(QChar(u'a' + i))] = content(i, 200 + i);
    return streams;
}

const std::vector<StreamSet>& streamSets()
{
    static const std::vector<StreamSet> sets{
        {"NoStreams", {}},
        {"EmptyStream", {{QStringLiteral("Workbook"), QByteArray()}}},
        {"OneByte", {{QStringLiteral("Workbook"), content(1, 1)}}},
        {"LargestMiniStream", {{QStringLiteral("Workbook"), content(4095, 2)}}},
        {"SmallestRegularStream", {{QStringLiteral("Workbook"), content(4096, 3)}}},
        {"SixtyFourKilobytes", {{QStringLiteral("Workbook"), content(64 * 1024, 4)}}},
        {"DifatSectors",
         {{QStringLiteral("Workbook"), content(kPastTheHeaderDifat, 5)},
          {QStringLiteral("\x05SummaryInformation"), content(300, 6)}}},
        {"StoragesAndMixedSizes",
         {{QStringLiteral("Workbook"), content(5000, 7)},
          {QStringLiteral("\x05SummaryInformation"), content(200, 8)},
          {QStringLiteral("\x01"
                          "CompObj"),
           content(114, 9)},
          {QStringLiteral("A/B"), content(100, 10)},
          {QStringLiteral("A/C/Deep"), content(9000, 11)},
          {QStringLiteral("A/C/Empty"), QByteArray()},
          {QStringLiteral("_VBA_PROJECT_CUR/VBA/dir"), content(700, 12)},
          {QStringLiteral("Foaie ăşţîâ"), content(64, 13)}}},
        {"ManySiblings", manySiblings()},
    };
    return sets;
}

class WrittenCompoundFile : public testing::TestWithParam<StreamSet> {};

TEST_P(WrittenCompoundFile, ReadsBackTheSameStreamsFromWholeSectors)
{
    const QByteArray file = WriteCompoundFile(GetParam().streams);
    EXPECT_EQ(file.size() % 512, 0);
    EXPECT_EQ(describe(ReadCompoundFile(file, kFileName)).toStdString(), describe(GetParam().streams).toStdString());
}

TEST_P(WrittenCompoundFile, OpensInOlefileWithTheSameStreamsAndNoDefects)
{
    const QByteArray file = WriteCompoundFile(GetParam().streams);
    EXPECT_EQ(describeWithOlefile(file).toStdString(), describe(GetParam().streams).toStdString());
}

// Readers may binary-search the siblings of a storage, and the format asks for a red-black tree.
TEST_P(WrittenCompoundFile, KeepsSiblingsInOrderedRedBlackTrees)
{
    TempFolder dir;
    writeBytes(dir.file(QStringLiteral("book.xls")), WriteCompoundFile(GetParam().streams));
    const auto run = runPython(QStringLiteral(R"(
import sys, olefile
o = olefile.OleFileIO(sys.argv[1])
RED = 0
def key(e):
    return (len(e.name), [ord(c.upper()) if len(c.upper()) == 1 else ord(c) for c in e.name])
def black_height(sid, parent_red, low, high):
    if sid == olefile.NOSTREAM:
        return 1
    e = o.direntries[sid]
    k = key(e)
    if (low is not None and not low < k) or (high is not None and not k < high):
        print('out of order:', repr(e.name))
    red = e.color == RED
    if red and parent_red:
        print('red under red:', repr(e.name))
    left = black_height(e.sid_left, red, low, k)
    right = black_height(e.sid_right, red, k, high)
    if left != right:
        print('black heights differ under', repr(e.name))
    return left + (0 if red else 1)
def check_storage(e):
    if e.sid_child != olefile.NOSTREAM:
        if o.direntries[e.sid_child].color == RED:
            print('red tree root under', repr(e.name))
        black_height(e.sid_child, True, None, None)
    for kid in e.kids:
        if kid.entry_type == olefile.STGTY_STORAGE:
            check_storage(kid)
check_storage(o.root)
)"),
                               {dir.file(QStringLiteral("book.xls"))});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(StreamSets, WrittenCompoundFile, testing::ValuesIn(streamSets()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteCompoundFile, PutsFatSectorsPast109InDifatSectors)
{
    const QByteArray file = WriteCompoundFile({{QStringLiteral("Workbook"), content(kPastTheHeaderDifat, 5)}});
    EXPECT_GT(readU32(file.constData() + 0x2C), 109u);  // FAT sectors
    EXPECT_GE(readU32(file.constData() + 0x48), 1u);    // DIFAT sectors
}

TEST(WriteCompoundFile, RefusesNamesTheFormatCannotHold)
{
    const std::vector<CompoundStreams> cases{
        {{QStringLiteral("Workbook_with_a_name_of_32_chars"), {}}},
        {{QStringLiteral("A//B"), {}}},
        {{QStringLiteral(""), {}}},
        {{QStringLiteral("Book"), {}}, {QStringLiteral("BOOK"), {}}},
        {{QStringLiteral("A"), {}}, {QStringLiteral("A/B"), {}}},
    };
    for (const CompoundStreams& streams : cases) {
        SCOPED_TRACE(describe(streams).toStdString());
        EXPECT_THROW(WriteCompoundFile(streams), std::invalid_argument);
    }
}

// ---------------------------------------------------------------------------------------------------------
// A version-4 file (4096-byte sectors) laid out by hand the way another writer might: chains running
// backwards and interleaved, the directory in the last sector, siblings on both sides and a storage.

constexpr qsizetype kV4Sector = 4096;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kNoEntry = 0xFFFFFFFF;

enum HandMadeSector : uint32_t {
    kFatSector,
    kMiniFatSector,
    kBookTail,
    kMiniStream,
    kBookHead,
    kDirectory,
    kSectorCount
};
enum HandMadeEntry : uint32_t { kRootId, kObjectsId, kBookId, kPoolId, kOleId, kEmptyId };

qsizetype sectorOffset(uint32_t sector) { return kV4Sector * (1 + qsizetype(sector)); }
qsizetype fatSlot(uint32_t sector) { return sectorOffset(kFatSector) + 4 * sector; }
qsizetype miniFatSlot(uint32_t miniSector) { return sectorOffset(kMiniFatSector) + 4 * miniSector; }
qsizetype entryField(uint32_t id, int field) { return sectorOffset(kDirectory) + 128 * id + field; }
constexpr int kLeft = 0x44, kRight = 0x48, kChild = 0x4C, kStart = 0x74, kSize = 0x78;

void setU32(QByteArray& file, qsizetype offset, uint32_t value) { writeU32(file.data() + offset, value); }

const QByteArray kBook = content(5000, 21);
const QByteArray kPool = content(70, 22);
const QByteArray kOle = content(100, 23);

CompoundStreams handMadeStreams()
{
    return {{QStringLiteral("Book"), kBook},
            {QStringLiteral("Objects/Pool"), kPool},
            {QStringLiteral("Objects/Z"), QByteArray()},
            {QStringLiteral("\x01Ole"), kOle}};
}

// Spreads `data` over the given units of `unitSize` bytes starting at `base`.
void scatter(QByteArray& file, qsizetype base, qsizetype unitSize, const QByteArray& data, std::vector<uint32_t> units)
{
    for (size_t i = 0; i < units.size(); ++i) {
        const QByteArray piece = data.mid(qsizetype(i) * unitSize, unitSize);
        std::memcpy(file.data() + base + units[i] * unitSize, piece.constData(), piece.size());
    }
}

void putEntry(QByteArray& file, uint32_t id, const QString& name, uint8_t type, uint32_t left, uint32_t right,
              uint32_t child, uint32_t start, uint32_t size)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        writeU16(file.data() + entryField(id, int(2 * i)), name[i].unicode());
    writeU16(file.data() + entryField(id, 0x40), uint16_t(2 * (name.size() + 1)));
    file[entryField(id, 0x42)] = char(type);
    file[entryField(id, 0x43)] = 1;
    setU32(file, entryField(id, kLeft), left);
    setU32(file, entryField(id, kRight), right);
    setU32(file, entryField(id, kChild), child);
    setU32(file, entryField(id, kStart), start);
    setU32(file, entryField(id, kSize), size);
}

QByteArray handMadeFile()
{
    QByteArray file(sectorOffset(kSectorCount), '\0');
    file.replace(0, 8, QByteArray::fromHex("D0CF11E0A1B11AE1"));
    writeU16(file.data() + 0x18, 0x3E);
    writeU16(file.data() + 0x1A, 4);
    writeU16(file.data() + 0x1C, 0xFFFE);
    writeU16(file.data() + 0x1E, 12);
    writeU16(file.data() + 0x20, 6);
    // Directory and FAT sector counts, first directory sector, transaction, mini stream cutoff, first mini FAT
    // sector and count, first DIFAT sector and count, the first FAT sector location.
    const uint32_t header[] = {1, 1, kDirectory, 0, 4096, kMiniFatSector, 1, kEndOfChain, 0, kFatSector};
    for (size_t i = 0; i < std::size(header); ++i)
        setU32(file, 0x28 + 4 * qsizetype(i), header[i]);
    for (qsizetype slot = 0x50; slot < 0x200; slot += 4)
        setU32(file, slot, 0xFFFFFFFF);

    file.replace(sectorOffset(kFatSector), 2 * kV4Sector, QByteArray(2 * kV4Sector, '\xFF'));  // FAT, mini FAT
    setU32(file, fatSlot(kFatSector), 0xFFFFFFFD);
    for (uint32_t s : {kMiniFatSector, kBookTail, kMiniStream, kDirectory})
        setU32(file, fatSlot(s), kEndOfChain);
    setU32(file, fatSlot(kBookHead), kBookTail);
    setU32(file, miniFatSlot(0), 2);  // Pool: mini sectors 0, 2; Ole: 1, 3
    setU32(file, miniFatSlot(2), kEndOfChain);
    setU32(file, miniFatSlot(1), 3);
    setU32(file, miniFatSlot(3), kEndOfChain);

    scatter(file, sectorOffset(0), kV4Sector, kBook, {kBookHead, kBookTail});
    scatter(file, sectorOffset(kMiniStream), 64, kPool, {0, 2});
    scatter(file, sectorOffset(kMiniStream), 64, kOle, {1, 3});

    // Root's children in order: "\x01Ole" < "Book" < "Objects"; under Objects: "Z" < "Pool".
    for (uint32_t id = 0; id < kV4Sector / 128; ++id)  // unused entries: zero but for the links
        for (int link : {kLeft, kRight, kChild})
            setU32(file, entryField(id, link), kNoEntry);
    putEntry(file, kRootId, QStringLiteral("Root Entry"), 5, kNoEntry, kNoEntry, kBookId, kMiniStream, 4 * 64);
    putEntry(file, kObjectsId, QStringLiteral("Objects"), 1, kNoEntry, kNoEntry, kPoolId, 0, 0);
    putEntry(file, kBookId, QStringLiteral("Book"), 2, kOleId, kObjectsId, kNoEntry, kBookHead, uint32_t(kBook.size()));
    putEntry(file, kPoolId, QStringLiteral("Pool"), 2, kEmptyId, kNoEntry, kNoEntry, 0, uint32_t(kPool.size()));
    putEntry(file, kOleId, QStringLiteral("\x01Ole"), 2, kNoEntry, kNoEntry, kNoEntry, 1, uint32_t(kOle.size()));
    putEntry(file, kEmptyId, QStringLiteral("Z"), 2, kNoEntry, kNoEntry, kNoEntry, kEndOfChain, 0);
    return file;
}

TEST(ReadCompoundFile, FollowsChainsAndTreesOfAFileLaidOutByHandWithLargeSectors)
{
    const QByteArray file = handMadeFile();
    ASSERT_EQ(describeWithOlefile(file).toStdString(), describe(handMadeStreams()).toStdString())
        << "the hand-made file itself is wrong";
    EXPECT_EQ(describe(ReadCompoundFile(file, kFileName)).toStdString(), describe(handMadeStreams()).toStdString());
}

// ---------------------------------------------------------------------------------------------------------
// Damaged and foreign files

struct BadFile {
    const char* name;
    std::function<QByteArray()> bytes;
    bool damaged;  // it starts like a compound file, so the message says damaged rather than foreign
};

void PrintTo(const BadFile& bad, std::ostream* os) { *os << bad.name; }

// The hand-made file with one change.
std::function<QByteArray()> handMadeWith(std::function<void(QByteArray&)> change)
{
    return [change] {
        QByteArray file = handMadeFile();
        change(file);
        return file;
    };
}

std::function<QByteArray()> handMadeWithU32(qsizetype offset, uint32_t value)
{
    return handMadeWith([offset, value](QByteArray& f) { setU32(f, offset, value); });
}

QByteArray writtenFile()
{
    return WriteCompoundFile({{QStringLiteral("Workbook"), content(64 * 1024, 31)},
                              {QStringLiteral("\x05SummaryInformation"), content(300, 32)}});
}

const std::vector<BadFile>& badFiles()
{
    static const std::vector<BadFile> files{
        {"Empty", [] { return QByteArray(); }, false},
        {"ShorterThanAHeader", [] { return writtenFile().left(511); }, false},
        {"PlainText", [] { return QByteArray(2000, 'a'); }, false},
        {"WrongSignature", [] { return writtenFile().replace(0, 1, "\xD1"); }, false},

        {"CutInHalf",
         [] {
             const QByteArray file = writtenFile();
             return file.left(file.size() / 2);
         },
         true},
        {"CutInsideTheDirectory", [] { return handMadeFile().left(sectorOffset(kDirectory) + 300); }, true},
        {"OnlyTheHeaderSector", [] { return handMadeFile().left(kV4Sector); }, true},

        {"BigEndianByteOrder", handMadeWith([](QByteArray& f) { writeU16(f.data() + 0x1C, 0xFEFF); }), true},
        {"UnknownSectorSize", handMadeWith([](QByteArray& f) { writeU16(f.data() + 0x1E, 30); }), true},
        {"UnknownMiniSectorSize", handMadeWith([](QByteArray& f) { writeU16(f.data() + 0x20, 7); }), true},
        {"MoreFatSectorsThanTheFileHolds", handMadeWithU32(0x2C, 0x7FFFFFFF), true},
        {"FatSectorOutOfRange", handMadeWithU32(0x4C, 500), true},
        {"MissingDifatSector", handMadeWith([](QByteArray& f) {
             f.append(200 * kV4Sector, '\0');
             setU32(f, 0x2C, 110);  // one FAT sector more than the header holds, and no DIFAT sector for it
             for (qsizetype slot = 0x4C; slot < 0x200; slot += 4)
                 setU32(f, slot, kFatSector);
         }),
         true},

        {"StreamChainLoops", handMadeWithU32(fatSlot(kBookHead), kBookHead), true},
        {"DirectoryChainLoops", handMadeWithU32(fatSlot(kDirectory), kDirectory), true},
        {"MiniChainLoops", handMadeWithU32(miniFatSlot(0), 0), true},
        {"StreamsShareAMiniSector", handMadeWithU32(miniFatSlot(0), 1), true},
        {"ChainRunsIntoTheDirectory", handMadeWithU32(fatSlot(kBookHead), kDirectory), true},
        {"ChainRunsIntoTheFat", handMadeWithU32(fatSlot(kBookHead), kFatSector), true},
        {"ChainEndsOnAFreeSector", handMadeWithU32(fatSlot(kBookHead), 0xFFFFFFFF), true},
        {"ChainSectorOutOfRange", handMadeWithU32(fatSlot(kBookHead), 1000000), true},
        {"StartSectorOutOfRange", handMadeWithU32(entryField(kBookId, kStart), 0xFFFFFF00), true},
        {"StreamLongerThanItsChain", handMadeWithU32(entryField(kBookId, kSize), 9000), true},
        {"MiniStreamLongerThanItsChain", handMadeWithU32(entryField(kPoolId, kSize), 200), true},
        {"StreamPastTheMiniStream", handMadeWithU32(entryField(kRootId, kSize), 128), true},
        {"HugeStreamSize", handMadeWith([](QByteArray& f) {
             setU32(f, entryField(kBookId, kSize), 0xFFFFFFFF);
             setU32(f, entryField(kBookId, kSize + 4), 0xFFFFFFFF);
         }),
         true},

        {"SiblingIsItsOwnParent", handMadeWithU32(entryField(kPoolId, kRight), kObjectsId), true},
        {"SiblingIsTheRoot", handMadeWithU32(entryField(kBookId, kLeft), kRootId), true},
        {"SiblingOutOfRange", handMadeWithU32(entryField(kBookId, kRight), 99), true},
        {"ChildIsTheStorageItself", handMadeWithU32(entryField(kObjectsId, kChild), kObjectsId), true},
        {"LinkToAnUnusedEntry", handMadeWithU32(entryField(kPoolId, kRight), 20), true},
        {"FirstEntryIsNotTheRoot", handMadeWith([](QByteArray& f) { f[entryField(kRootId, 0x42)] = 1; }), true},
    };
    return files;
}

class DamagedCompoundFile : public testing::TestWithParam<BadFile> {};

TEST_P(DamagedCompoundFile, EndsInAMessageNamingTheFile)
{
    const QString expected = GetParam().damaged ? texts::damagedFile(kFileName) : texts::notCompoundFile(kFileName);
    try {
        ReadCompoundFile(GetParam().bytes(), kFileName);
        ADD_FAILURE() << "read without complaint";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.message().toStdString(), expected.toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedCompoundFile, testing::ValuesIn(badFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmar::xls
