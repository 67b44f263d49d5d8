#include "xls/workbook_globals.h"

#include "store/store_error.h"
#include "xls/byte_io.h"
#include "xls/sheet.h"
#include "xls/xls_texts.h"

#include <QHash>

namespace velmar::xls {
namespace {

constexpr uint16_t kOwnWorkbookMarker = 0x0401;
constexpr int kNameHeader = 14;  // flags .. the four text lengths, before the name's own flags byte

}  // namespace

SavedStrings CollectStrings(const std::vector<Sheet>& sheets, const SharedStringTable& strings)
{
    SavedStrings saved;
    saved.newIndex.assign(strings.size(), UINT32_MAX);
    saved.table.reserve(strings.size());
    // Equal plain strings under different indexes are saved once, unless the table has none or keeps them.
    const bool lookUp = strings.mergeEqualOnSave();
    QHash<QString, uint32_t> plain;
    for (const Sheet& sheet : sheets) {
        sheet.forEachCell([&](int, const Cell& cell) {
            if (cell.kind != Cell::Kind::Text)
                return;
            ++saved.references;
            uint32_t& target = saved.newIndex[cell.text];
            if (target != UINT32_MAX)
                return;
            const SharedString& s = strings.at(cell.text);
            const bool isPlain = lookUp && s.runs.isEmpty() && s.phonetic.isEmpty();
            if (isPlain) {
                const auto found = plain.constFind(s.text);
                if (found != plain.constEnd()) {
                    target = *found;
                    return;
                }
            }
            target = uint32_t(saved.table.size());
            saved.table.push_back(s);
            if (isPlain)
                plain.insert(s.text, target);
        });
    }
    return saved;
}

WorkbookGlobals WorkbookGlobals::parse(std::vector<BiffRecord> records, const QString& fileName)
{
    WorkbookGlobals globals;
    int supBooks = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const BiffRecord& record = records[i];
        switch (record.type) {
        case record::FilePass:
            throw StoreError(texts::encrypted(fileName));
        case record::BoundSheet:
            if (record.data.size() < 8)
                throw TruncatedData();
            globals.boundSheets_.push_back(i);
            break;
        case record::Sst:
            globals.strings_ = ReadSharedStrings(record);
            break;
        case record::SupBook:
            if (record.data.size() == 4 && readU16(record.data.constData() + 2) == kOwnWorkbookMarker) {
                globals.ownSupBook_ = supBooks;
                globals.ownSupBookRecord_ = int(i);
            }
            ++supBooks;
            break;
        case record::ExternSheet: {
            ByteReader in(record.data);
            const int count = in.u16();
            for (int e = 0; e < count && in.left() >= 6; ++e) {
                const uint16_t supBook = in.u16(), first = in.u16(), last = in.u16();
                globals.externSheets_.push_back({supBook, first, last});
            }
            break;
        }
        default:
            break;
        }
    }
    globals.records_ = std::move(records);
    return globals;
}

std::vector<uint32_t> WorkbookGlobals::sheetOffsets() const
{
    std::vector<uint32_t> offsets;
    for (size_t i : boundSheets_)
        offsets.push_back(readU32(records_[i].data.constData()));
    return offsets;
}

QString WorkbookGlobals::sheetName(int index) const
{
    ByteReader in(records_.at(boundSheets_.at(index)).data);
    in.skip(6);
    const int count = in.u8();
    const bool wide = in.u8() & 0x01;
    QString name;
    // A name cut short (a damaged file) is read as far as it goes.
    for (int i = 0; i < count && in.left() >= (wide ? 2 : 1); ++i)
        name.append(QChar(wide ? in.u16() : in.u8()));
    return name;
}

void WorkbookGlobals::appendSheetLike(int source, const QString& name)
{
    const size_t at = boundSheets_.back() + 1;
    records_.insert(records_.begin() + qsizetype(at), records_.at(boundSheets_.at(source)));
    boundSheets_.push_back(at);
    if (ownSupBookRecord_ >= int(at))
        ++ownSupBookRecord_;
    if (ownSupBookRecord_ >= 0)
        writeU16(records_[size_t(ownSupBookRecord_)].data.data(), uint16_t(boundSheets_.size()));
    renameSheet(int(boundSheets_.size()) - 1, name);
}

void WorkbookGlobals::renameSheet(int index, const QString& name)
{
    QByteArray& data = records_.at(boundSheets_.at(index)).data;
    data.truncate(6);
    ByteWriter w(data);
    w.u8(uint8_t(name.size())).u8(0x01);
    for (const QChar c : name)
        w.u16(c.unicode());
}

bool WorkbookGlobals::externRefersTo(uint16_t index, int sheet) const
{
    if (index >= externSheets_.size())
        return false;
    const ExternSheet& e = externSheets_[index];
    return int(e.supBook) == ownSupBook_ && e.first <= sheet && sheet <= e.last;
}

void WorkbookGlobals::mapNameRows(const SheetReferences& scope, const RowRangeMap& map)
{
    for (BiffRecord& record : records_) {
        if (record.type != record::Name || !record.continues.empty() || record.data.size() < kNameHeader + 1)
            continue;
        const char* d = record.data.constData();
        const int nameLength = uint8_t(d[3]);
        const int formulaSize = readU16(d + 4);
        const int start = kNameHeader + 1 + nameLength * ((uint8_t(d[kNameHeader]) & 0x01) ? 2 : 1);
        if (start + formulaSize > record.data.size())
            continue;
        QByteArray tokens = record.data.mid(start, formulaSize);
        if (MapReferenceRows(tokens, scope, map))
            record.data.replace(start, formulaSize, tokens);
    }
}

QByteArray WorkbookGlobals::serialize(const SavedStrings& strings)
{
    QByteArray out;
    offsetFields_.clear();
    bool stringsWritten = false;
    const auto writeStrings = [&] {
        out.append(WriteSharedStrings(strings.table, strings.references, out.size()));
        stringsWritten = true;
    };
    for (const BiffRecord& record : records_) {
        switch (record.type) {
        case record::Sst:
            writeStrings();
            continue;
        case record::ExtSst:
            continue;  // written with the strings
        case record::BoundSheet:
            offsetFields_.push_back(out.size() + 4);
            break;
        case record::Eof:
            if (!stringsWritten)
                writeStrings();
            break;
        default:
            break;
        }
        AppendRecord(out, record);
    }
    return out;
}

void WorkbookGlobals::setSheetOffset(QByteArray& stream, int sheet, uint32_t offset) const
{
    writeU32(stream.data() + offsetFields_.at(sheet), offset);
}

}  // namespace velmar::xls
