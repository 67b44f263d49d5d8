#include "xls/workbook.h"

#include "store/folders.h"
#include "store/store_error.h"
#include "xls/byte_io.h"
#include "xls/compound_file.h"
#include "xls/formula_eval.h"
#include "xls/formula_text.h"
#include "xls/shared_strings.h"
#include "xls/sheet.h"
#include "xls/sheet_calculation.h"
#include "xls/workbook_globals.h"
#include "xls/xls_texts.h"

#include <QFile>
#include <QSet>
#include <algorithm>
#include <stdexcept>

namespace velmar::xls {
namespace {

const QString kWorkbookStream = QStringLiteral("Workbook");
const QString kBiff5Stream = QStringLiteral("Book");
constexpr qsizetype kSmallestWorkbookStream = 4096;

// The stream named `name`, compared without regard to case as readers of the format do.
const QByteArray* findStream(const CompoundStreams& streams, const QString& name, QString* actualName = nullptr)
{
    for (const auto& [path, bytes] : streams) {
        if (path.compare(name, Qt::CaseInsensitive) == 0) {
            if (actualName)
                *actualName = path;
            return &bytes;
        }
    }
    return nullptr;
}

}  // namespace

QString CellValue::toText() const
{
    switch (kind) {
    case Kind::Empty:
        return {};
    case Kind::Text:
        return text;
    case Kind::Number:
        return QString::number(number, 'g', 15);
    case Kind::Boolean:
        return number != 0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case Kind::Error:
        return ErrorName(uint8_t(number));
    }
    return {};
}

struct Workbook::Impl {
    QString fileName;
    CompoundStreams otherStreams;  // everything in the file besides the workbook stream, kept as it is
    QString streamName = kWorkbookStream;
    WorkbookGlobals globals;
    SharedStringTable strings;
    std::vector<Sheet> sheets;
    std::vector<bool> changed;
    int active = 0;

    Sheet& sheet() { return sheets.at(active); }
    const Sheet& sheet() const { return sheets.at(active); }

    void checkCell(int row, int column) const
    {
        if (row < 1 || row > kMaxRow + 1 || column < 1 || column > 256)
            throw StoreError(texts::badCell(row, column));
    }
    Cell& writable(int row, int column)
    {
        checkCell(row, column);
        changed[active] = true;
        Cell& cell = sheet().ensure(row - 1, column - 1);
        cell.formula.reset();
        return cell;
    }
    void setText(Cell& cell, const QString& text)
    {
        if (text.isEmpty()) {
            cell.kind = Cell::Kind::Blank;
            return;
        }
        cell.kind = Cell::Kind::Text;
        cell.text = strings.add(text);
    }
    void setNumber(Cell& cell, double value)
    {
        cell.kind = Cell::Kind::Number;
        cell.number = value;
    }

    // Moves every reference to the active sheet's rows, in every sheet's formulas and in the names.
    void mapRows(const RowRangeMap& map)
    {
        SheetReferences scope;
        scope.externIsSheet = [this](uint16_t index) { return globals.externRefersTo(index, active); };
        for (size_t s = 0; s < sheets.size(); ++s) {
            scope.plainReferences = int(s) == active;
            bool touched = false;
            sheets[s].forEachFormula([&](Formula& f) {
                MapReferenceRows(f.tokens, scope, map);
                touched = true;
            });
            if (touched)
                changed[s] = true;
        }
        scope.plainReferences = false;
        globals.mapNameRows(scope, map);
        sheet().mapRows(map);
    }

    void recalculate()
    {
        for (size_t s = 0; s < sheets.size(); ++s)
            if (changed[s]) {
                RecalculateFormulas(sheets[s], strings);
                changed[s] = false;
            }
    }

    QByteArray workbookStream()
    {
        recalculate();
        const SavedStrings saved = CollectStrings(sheets, strings);
        QByteArray stream = globals.serialize(saved);
        for (size_t s = 0; s < sheets.size(); ++s) {
            globals.setSheetOffset(stream, int(s), uint32_t(stream.size()));
            stream.append(sheets[s].serialize(stream.size(), saved.newIndex));
        }
        return stream;
    }

    void parse(const QByteArray& stream)
    {
        if (stream.size() < 8 || readU16(stream.constData()) != record::Bof ||
            readU16(stream.constData() + 4) != 0x0600)
            throw StoreError(texts::notBiff8(fileName));
        globals = WorkbookGlobals::parse(ReadSubstream(stream, 0), fileName);
        strings = SharedStringTable(globals.takeStrings());
        for (const uint32_t offset : globals.sheetOffsets())
            sheets.push_back(Sheet::parse(ReadSubstream(stream, offset), strings));
        changed.assign(sheets.size(), false);
        if (sheets.empty())
            throw StoreError(texts::notBiff8(fileName));
    }
};

Workbook::Workbook(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}
Workbook::Workbook(Workbook&&) noexcept = default;
Workbook& Workbook::operator=(Workbook&&) noexcept = default;
Workbook::~Workbook() = default;

Workbook Workbook::open(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(texts::cannotRead(path, file.errorString()));
    return fromFileBytes(file.readAll(), path);
}

Workbook Workbook::fromFileBytes(const QByteArray& fileBytes, const QString& fileName)
{
    CompoundStreams streams = ReadCompoundFile(fileBytes, fileName);
    QString name;
    const QByteArray* stream = findStream(streams, kWorkbookStream, &name);
    if (!stream)
        throw StoreError(findStream(streams, kBiff5Stream) ? texts::notBiff8(fileName)
                                                           : texts::notCompoundFile(fileName));
    Workbook workbook = fromStream(*stream, fileName);
    workbook.d->streamName = name;
    streams.erase(name);
    // A damaged directory may name two streams alike but for letter case, which no file may hold:
    // the first one is kept.
    QSet<QString> seen{name.toLower()};
    for (auto& [path, bytes] : streams)
        if (!seen.contains(path.toLower())) {
            seen.insert(path.toLower());
            workbook.d->otherStreams.emplace(path, std::move(bytes));
        }
    return workbook;
}

Workbook Workbook::fromStream(const QByteArray& workbookStream, const QString& fileName)
{
    auto impl = std::make_unique<Impl>();
    impl->fileName = fileName;
    try {
        impl->parse(workbookStream);
    } catch (const TruncatedData&) {
        throw StoreError(texts::damagedFile(fileName));
    }
    return Workbook(std::move(impl));
}

QByteArray Workbook::toFileBytes()
{
    CompoundStreams streams = d->otherStreams;
    QByteArray stream = d->workbookStream();
    // Excel is known to refuse a workbook stream kept in the mini stream; zeros after the last EOF
    // record keep it in ordinary sectors and every reader stops before them.
    if (stream.size() < kSmallestWorkbookStream)
        stream.append(kSmallestWorkbookStream - stream.size(), '\0');
    streams[d->streamName] = stream;
    try {
        return WriteCompoundFile(streams);
    } catch (const std::invalid_argument&) {  // a stream name no compound file can hold
        throw StoreError(texts::damagedFile(d->fileName));
    }
}

void Workbook::save(const QString& path) { WriteFileAtomically(path, toFileBytes()); }

int Workbook::sheetCount() const { return int(d->sheets.size()); }

QString Workbook::sheetName(int index) const
{
    if (index < 1 || index > sheetCount())
        throw StoreError(texts::noSuchSheet(index, d->fileName));
    return d->globals.sheetName(index - 1);
}

void Workbook::selectSheet(int index)
{
    if (index < 1 || index > sheetCount() || !d->sheets[index - 1].isWorksheet())
        throw StoreError(texts::noSuchSheet(index, d->fileName));
    d->active = index - 1;
}

void Workbook::checkNewSheetName(const QString& name, int renamed) const
{
    static const QString forbidden = QStringLiteral(":\\/?*[]");
    const bool allowed = !name.isEmpty() && name.size() <= kMaxSheetNameLength &&
        std::none_of(name.begin(), name.end(), [](QChar c) { return forbidden.contains(c); });
    bool taken = false;
    for (int s = 0; s < sheetCount(); ++s)
        taken = taken || (s != renamed - 1 && d->globals.sheetName(s).compare(name, Qt::CaseInsensitive) == 0);
    if (!allowed || taken)
        throw StoreError(texts::badSheetName(name));
}

int Workbook::appendSheetCopy(int index, const QString& name)
{
    if (index < 1 || index > sheetCount() || !d->sheets[index - 1].isWorksheet())
        throw StoreError(texts::noSuchSheet(index, d->fileName));
    checkNewSheetName(name, 0);
    d->globals.appendSheetLike(index - 1, name);
    d->sheets.push_back(d->sheets[index - 1].unselectedCopy());
    d->changed.push_back(true);
    return sheetCount();
}

void Workbook::renameSheet(int index, const QString& name)
{
    if (index < 1 || index > sheetCount())
        throw StoreError(texts::noSuchSheet(index, d->fileName));
    checkNewSheetName(name, index);
    d->globals.renameSheet(index - 1, name);
}

void Workbook::recalculate() { d->recalculate(); }

int Workbook::activeSheet() const { return d->active + 1; }
int Workbook::rowCount() const { return d->sheet().lastRow() + 1; }
int Workbook::columnCount() const { return d->sheet().lastColumn() + 1; }

CellValue Workbook::cell(int row, int column) const
{
    const Cell* cell = d->sheet().find(row - 1, column - 1);
    if (!cell)
        return {};
    switch (cell->kind) {
    case Cell::Kind::Blank:
        return {};
    case Cell::Kind::Number:
        return CellValue::ofNumber(cell->number);
    case Cell::Kind::Text:
        return CellValue::ofText(d->strings.at(cell->text).text);
    case Cell::Kind::BoolErr:
        return {cell->boolErr[1] ? CellValue::Kind::Error : CellValue::Kind::Boolean, double(cell->boolErr[0]), {}};
    case Cell::Kind::Formula:
        break;
    }
    const Formula& f = *cell->formula;
    const char* r = f.result.constData();
    if (f.result.size() < 8 || readU16(r + 6) != 0xFFFF)
        return CellValue::ofNumber(readF64(r));
    switch (uint8_t(r[0])) {
    case 0:
        return CellValue::ofText(f.resultText);
    case 1:
        return {CellValue::Kind::Boolean, double(uint8_t(r[2]) != 0), {}};
    case 2:
        return {CellValue::Kind::Error, double(uint8_t(r[2])), {}};
    default:
        return CellValue::ofText({});
    }
}

bool Workbook::isFormula(int row, int column) const
{
    const Cell* cell = d->sheet().find(row - 1, column - 1);
    return cell && cell->formula;
}

QString Workbook::formulaText(int row, int column) const
{
    const Cell* cell = d->sheet().find(row - 1, column - 1);
    return cell && cell->formula ? FormulaToText(cell->formula->tokens) : QString();
}

int Workbook::cellFormat(int row, int column) const
{
    const Cell* cell = d->sheet().find(row - 1, column - 1);
    return cell ? cell->xf : d->sheet().defaultFormat(row - 1, column - 1);
}

void Workbook::setText(int row, int column, const QString& text)
{
    // The empty text into a cell that does not exist leaves it so: there is no format to keep.
    if (text.isEmpty() && !d->sheet().find(row - 1, column - 1))
        return;
    d->setText(d->writable(row, column), text);
}

void Workbook::setNumber(int row, int column, double value) { d->setNumber(d->writable(row, column), value); }

void Workbook::setText(int row, int column, const QString& text, int xf)
{
    Cell& cell = d->writable(row, column);
    cell.xf = uint16_t(xf);
    d->setText(cell, text);
}

void Workbook::setNumber(int row, int column, double value, int xf)
{
    Cell& cell = d->writable(row, column);
    cell.xf = uint16_t(xf);
    d->setNumber(cell, value);
}

void Workbook::writeTextsAsTheyCome(qsizetype count)
{
    d->strings.keepRepeats();
    d->strings.reserve(count);
}

void Workbook::setFormula(int row, int column, const QString& formula, int xf)
{
    const QByteArray tokens = CompileFormula(formula);
    Cell& cell = d->writable(row, column);
    cell.xf = uint16_t(xf);
    cell.kind = Cell::Kind::Formula;
    cell.formula = std::make_unique<Formula>();
    cell.formula->tokens = tokens;
    cell.formula->result = QByteArray(8, '\0');
}

void Workbook::mergeCells(int firstRow, int lastRow, int firstColumn, int lastColumn)
{
    d->checkCell(firstRow, firstColumn);
    d->checkCell(lastRow, lastColumn);
    d->sheet().addMergedRange({firstRow - 1, lastRow - 1, firstColumn - 1, lastColumn - 1});
    d->changed[d->active] = true;
}

void Workbook::insertCopiedRows(int firstRow, int lastRow, int destRow, int count)
{
    d->checkCell(firstRow, 1);
    d->checkCell(lastRow, 1);
    d->checkCell(destRow, 1);
    if (count <= 0 || lastRow < firstRow)
        return;
    const int height = lastRow - firstRow + 1;
    const qint64 inserted = qint64(height) * count;
    const int at = destRow - 1;
    const int lastUsed = std::max(d->sheet().lastRow(), at - 1);
    if (lastUsed + inserted > kMaxRow)
        throw StoreError(texts::tooManyRows(d->fileName));
    const int n = int(inserted);

    d->mapRows(RowsInserted(at, n));
    Sheet& sheet = d->sheet();
    sheet.insertEmptyRows(at, n);
    const auto movedRow = [&](int row) { return row >= at ? row + n : row; };
    for (int copy = 0; copy < count; ++copy) {
        const int blockStart = at + copy * height;
        for (int i = 0; i < height; ++i)
            sheet.copyRow(movedRow(firstRow - 1 + i), blockStart + i);
        if (movedRow(firstRow - 1) + height - 1 == movedRow(lastRow - 1))  // the copied block was not split
            sheet.copyMergedRanges(movedRow(firstRow - 1), movedRow(lastRow - 1), blockStart - movedRow(firstRow - 1));
    }
    d->changed[d->active] = true;
}

void Workbook::deleteRows(int row, int count)
{
    d->checkCell(row, 1);
    if (count <= 0)
        return;
    count = std::min(count, kMaxRow + 2 - row);
    d->mapRows(RowsDeleted(row - 1, count));
    d->sheet().eraseRows(row - 1, count);
    d->changed[d->active] = true;
}

}  // namespace velmar::xls
