// Reading CSV into a report dataset.
#include "reports/csv_dataset.h"

#include "reports/report_texts.h"
#include "store/store_error.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace velmar {

namespace {

struct Field {
    QString text;
    bool quoted = false;
};

struct Line {
    int number;  // where the record starts in the file, from 1
    std::vector<Field> fields;
};

// Splits CSV text into records. A line with nothing on it is no record, so a file may end with blank
// lines; inside quotes, commas and line breaks belong to the value and "" stands for one quote.
class CsvSplitter {
public:
    CsvSplitter(QString text, QString fileName) : text_(std::move(text)), fileName_(std::move(fileName)) {}

    std::vector<Line> split()
    {
        for (pos_ = 0; pos_ < text_.size(); ++pos_) {
            const QChar c = text_[pos_];
            if (state_ == State::Quoted)
                quotedChar(c);
            else if (c == u',')
                endField();
            else if (c == u'\n' || c == u'\r')
                lineBreak(c);
            else if (c == u'"')
                openQuote();
            else if (state_ == State::AfterQuote)
                refuse(lineNumber_);
            else {
                state_ = State::Unquoted;
                field_.text += c;
            }
        }
        if (state_ == State::Quoted)
            refuse(quoteLine_);
        endRecord();
        return std::move(lines_);
    }

private:
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };

    void quotedChar(QChar c)
    {
        if (c != u'"') {
            if (c == u'\n')
                ++lineNumber_;
            field_.text += c;
        } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'"') {
            field_.text += c;
            ++pos_;
        } else {
            state_ = State::AfterQuote;
        }
    }
    void openQuote()
    {
        if (state_ != State::FieldStart)
            refuse(lineNumber_);
        state_ = State::Quoted;
        quoteLine_ = lineNumber_;
        field_.quoted = true;
    }
    void lineBreak(QChar c)
    {
        if (c == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
            ++pos_;
        endRecord();
        ++lineNumber_;
        recordLine_ = lineNumber_;
    }
    void endField()
    {
        record_.push_back(std::move(field_));
        field_ = {};
        state_ = State::FieldStart;
    }
    void endRecord()
    {
        endField();
        const bool blank = record_.size() == 1 && !record_[0].quoted && record_[0].text.isEmpty();
        if (!blank)
            lines_.push_back({recordLine_, std::move(record_)});
        record_.clear();
    }
    [[noreturn]] void refuse(int line) const { throw StoreError(report_texts::csvBadQuotes(fileName_, line)); }

    const QString text_;
    const QString fileName_;
    qsizetype pos_ = 0;
    State state_ = State::FieldStart;
    Field field_;
    std::vector<Field> record_;
    std::vector<Line> lines_;
    int lineNumber_ = 1;
    int recordLine_ = 1;
    int quoteLine_ = 1;
};

bool isNumberValue(const Field& field)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    const QString text = field.text.trimmed();
    return text.isEmpty() || (!field.quoted && number.match(text).hasMatch());
}

bool isNumberColumn(const std::vector<Line>& records, size_t column)
{
    bool anyValue = false;
    for (const Line& line : records) {
        const Field& field = line.fields[column];
        if (!isNumberValue(field))
            return false;
        anyValue = anyValue || !field.text.trimmed().isEmpty();
    }
    return anyValue;
}

QString decodeUtf8(const QByteArray& bytes, const QString& fileName)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw StoreError(report_texts::csvNotUtf8(fileName));
    if (text.startsWith(QChar(0xFEFF)))  // the byte-order mark spreadsheet programs put first
        text.remove(0, 1);
    return text;
}

}  // namespace

ReportDataset ReadCsvDataset(const QByteArray& bytes, const QString& fileName)
{
    std::vector<Line> lines = CsvSplitter(decodeUtf8(bytes, fileName), fileName).split();
    if (lines.empty())
        throw StoreError(report_texts::csvNoHeader(fileName));
    const Line header = std::move(lines.front());
    lines.erase(lines.begin());
    for (const Line& line : lines)
        if (line.fields.size() != header.fields.size())
            throw StoreError(
                report_texts::csvWrongCount(fileName, line.number, int(line.fields.size()), int(header.fields.size())));

    ReportDataset dataset;
    for (size_t c = 0; c < header.fields.size(); ++c)
        dataset.columns.push_back({header.fields[c].text.trimmed(), !isNumberColumn(lines, c)});
    for (const Line& line : lines) {
        QVariantList values;
        for (size_t c = 0; c < line.fields.size(); ++c) {
            const QString& text = line.fields[c].text;
            values << (dataset.columns[c].isText ? QVariant(text) : QVariant(text.trimmed().toDouble()));
        }
        dataset.rows.push_back(std::move(values));
    }
    return dataset;
}

}  // namespace velmar
