// The workbook globals substream: the records before the sheets (fonts, formats, cell formats, styles,
// the sheet list, external sheet references, defined names, shared strings). Kept record by record;
// only the sheet offsets, the shared strings and the rows in names are rewritten.
#pragma once

#include "xls/biff_record.h"
#include "xls/formula_tokens.h"
#include "xls/shared_strings.h"

#include <QString>
#include <vector>

namespace velmar::xls {

class Sheet;

// The strings the cells of all sheets use, each once, and where each old index went.
struct SavedStrings {
    std::vector<SharedString> table;
    std::vector<uint32_t> newIndex;  // by old index
    uint32_t references = 0;         // text cells in the workbook
};
SavedStrings CollectStrings(const std::vector<Sheet>& sheets, const SharedStringTable& strings);

class WorkbookGlobals {
public:
    // Throws StoreError for an encrypted workbook, TruncatedData for damaged records.
    static WorkbookGlobals parse(std::vector<BiffRecord> records, const QString& fileName);

    std::vector<SharedString> takeStrings() { return std::move(strings_); }
    std::vector<uint32_t> sheetOffsets() const;
    QString sheetName(int index) const;  // 0-based

    // A sheet entry after the last one, as `source`'s (0-based) but named `name`; the own workbook's
    // sheet count follows.
    void appendSheetLike(int source, const QString& name);
    void renameSheet(int index, const QString& name);

    // Whether EXTERNSHEET entry `index` points at sheet `sheet` (0-based) of this workbook.
    bool externRefersTo(uint16_t index, int sheet) const;
    void mapNameRows(const SheetReferences& scope, const RowRangeMap& map);

    // The globals with `strings` as the shared string table; sheet offsets are set afterwards.
    QByteArray serialize(const SavedStrings& strings);
    void setSheetOffset(QByteArray& stream, int sheet, uint32_t offset) const;

private:
    struct ExternSheet {
        uint16_t supBook, first, last;
    };

    std::vector<BiffRecord> records_;
    std::vector<size_t> boundSheets_;  // indexes into records_
    std::vector<qsizetype> offsetFields_;
    std::vector<ExternSheet> externSheets_;
    int ownSupBook_ = -1;
    int ownSupBookRecord_ = -1;  // index into records_
    std::vector<SharedString> strings_;
};

}  // namespace velmar::xls
