#include "xls/shared_strings.h"

#include "xls/byte_io.h"

#include <algorithm>

namespace velmar::xls {
namespace {

// Reads across the SST record and its CONTINUE records. Character data split over a record boundary
// starts the next record with a new flags byte; everything else simply continues.
class SegmentReader {
public:
    explicit SegmentReader(const BiffRecord& sst)
    {
        segments_.push_back(&sst.data);
        for (const QByteArray& part : sst.continues)
            segments_.push_back(&part);
    }

    bool atEnd()
    {
        skipEmpty();
        return index_ >= segments_.size();
    }
    uint8_t u8()
    {
        skipEmpty();
        if (index_ >= segments_.size())
            throw TruncatedData();
        return uint8_t(segments_[index_]->at(pos_++));
    }
    uint16_t u16()
    {
        uint16_t lo = u8();
        return uint16_t(lo | u8() << 8);
    }
    uint32_t u32()
    {
        uint32_t lo = u16();
        return lo | uint32_t(u16()) << 16;
    }
    QByteArray bytes(qsizetype n)
    {
        QByteArray out;
        while (n > 0) {
            skipEmpty();
            if (index_ >= segments_.size())
                throw TruncatedData();
            const qsizetype take = std::min(n, segments_[index_]->size() - pos_);
            out.append(segments_[index_]->constData() + pos_, take);
            pos_ += take;
            n -= take;
        }
        return out;
    }
    QString characters(int count, bool wide)
    {
        QString text;
        text.reserve(count);
        while (count > 0) {
            if (index_ < segments_.size() && pos_ >= segments_[index_]->size()) {
                ++index_;
                pos_ = 0;
                if (index_ >= segments_.size() || segments_[index_]->isEmpty())
                    throw TruncatedData();
                wide = (uint8_t(segments_[index_]->at(0)) & 0x01) != 0;
                pos_ = 1;
            }
            if (index_ >= segments_.size())
                throw TruncatedData();
            const QByteArray& seg = *segments_[index_];
            const int width = wide ? 2 : 1;
            const int fit = int(std::min<qsizetype>(count, (seg.size() - pos_) / width));
            if (fit == 0)
                throw TruncatedData();
            const char* p = seg.constData() + pos_;
            for (int i = 0; i < fit; ++i)
                text.append(QChar(wide ? readU16(p + 2 * i) : uint8_t(p[i])));
            pos_ += fit * width;
            count -= fit;
        }
        return text;
    }

private:
    void skipEmpty()
    {
        while (index_ < segments_.size() && pos_ >= segments_[index_]->size()) {
            ++index_;
            pos_ = 0;
        }
    }
    std::vector<const QByteArray*> segments_;
    size_t index_ = 0;
    qsizetype pos_ = 0;
};

bool fitsOneByte(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

void appendCharacters(QByteArray& out, const QString& text, qsizetype from, qsizetype count, bool wide)
{
    const qsizetype at = out.size();
    out.resize(at + count * (wide ? 2 : 1));
    char* to = out.data() + at;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text.at(i).unicode();
        *to++ = char(c & 0xFF);
        if (wide)
            *to++ = char(c >> 8);
    }
}

// Builds SST + CONTINUE records, starting a new CONTINUE where the current one is full.
class SstWriter {
public:
    explicit SstWriter(qsizetype streamOffset) : recordStart_(streamOffset) {}

    void header(uint32_t total, uint32_t unique) { ByteWriter(current_).u32(total).u32(unique); }

    // Returns the absolute stream offset of the string and its offset inside its record (header included).
    std::pair<uint32_t, uint16_t> string(const SharedString& s)
    {
        const bool wide = !fitsOneByte(s.text);
        const int width = wide ? 2 : 1;
        const qsizetype fixed = 3 + (s.runs.isEmpty() ? 0 : 2) + (s.phonetic.isEmpty() ? 0 : 4);
        if (room() < fixed + width)
            newRecord();
        const auto where = std::make_pair(uint32_t(recordStart_ + 4 + current_.size()), uint16_t(4 + current_.size()));
        const uint8_t flags =
            uint8_t((wide ? 0x01 : 0) | (s.phonetic.isEmpty() ? 0 : 0x04) | (s.runs.isEmpty() ? 0 : 0x08));
        ByteWriter w(current_);
        w.u16(uint16_t(s.text.size())).u8(flags);
        if (!s.runs.isEmpty())
            w.u16(uint16_t(s.runs.size() / 4));
        if (!s.phonetic.isEmpty())
            w.u32(uint32_t(s.phonetic.size()));
        qsizetype done = 0;
        while (done < s.text.size()) {
            if (room() < width) {
                newRecord();
                current_.append(char(wide ? 0x01 : 0x00));
            }
            const qsizetype take = std::min<qsizetype>(s.text.size() - done, room() / width);
            appendCharacters(current_, s.text, done, take, wide);
            done += take;
        }
        splitBytes(s.runs, 4);
        splitBytes(s.phonetic, 1);
        return where;
    }

    QByteArray finish()
    {
        flush();
        return out_;
    }

private:
    qsizetype room() const { return kMaxRecordData - current_.size(); }
    void splitBytes(const QByteArray& bytes, int unit)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            if (room() < unit)
                newRecord();
            const qsizetype take = std::min(bytes.size() - done, room() / unit * unit);
            current_.append(bytes.constData() + done, take);
            done += take;
        }
    }
    void newRecord()
    {
        flush();
        isFirst_ = false;
    }
    void flush()
    {
        AppendRecord(out_, isFirst_ ? record::Sst : record::Continue, current_);
        recordStart_ += 4 + current_.size();
        current_.clear();
    }
    QByteArray out_;
    QByteArray current_;
    qsizetype recordStart_;
    bool isFirst_ = true;
};

}  // namespace

uint32_t SharedStringTable::add(const QString& text)
{
    if (keepRepeats_) {
        strings_.push_back({text, {}, {}});
        return uint32_t(strings_.size() - 1);
    }
    if (plain_.isEmpty())
        for (uint32_t i = 0; i < strings_.size(); ++i)
            if (strings_[i].runs.isEmpty() && strings_[i].phonetic.isEmpty())
                plain_.insert(strings_[i].text, i + 1);
    // One lookup for both the search and the insertion: the slot holds index + 1, 0 for a text not there yet.
    uint32_t& slot = plain_[text];
    if (slot == 0) {
        strings_.push_back({text, {}, {}});
        slot = uint32_t(strings_.size());
    }
    return slot - 1;
}

void SharedStringTable::reserve(qsizetype count)
{
    strings_.reserve(strings_.size() + size_t(count));
    if (!keepRepeats_)
        plain_.reserve(plain_.size() + count);
}

std::vector<SharedString> ReadSharedStrings(const BiffRecord& sst)
{
    SegmentReader in(sst);
    in.u32();  // references in the workbook: recomputed on save
    const uint32_t unique = in.u32();
    std::vector<SharedString> strings;
    strings.reserve(std::min<uint32_t>(unique, 1u << 20));
    for (uint32_t i = 0; i < unique && !in.atEnd(); ++i) {
        const uint16_t count = in.u16();
        const uint8_t flags = in.u8();
        const uint16_t runCount = (flags & 0x08) ? in.u16() : 0;
        const uint32_t phoneticSize = (flags & 0x04) ? in.u32() : 0;
        SharedString s;
        s.text = in.characters(count, flags & 0x01);
        s.runs = in.bytes(qsizetype(runCount) * 4);
        s.phonetic = in.bytes(phoneticSize);
        strings.push_back(std::move(s));
    }
    return strings;
}

QString ReadUnicodeString(ByteReader& reader)
{
    const uint16_t count = reader.u16();
    const uint8_t flags = reader.u8();
    const uint16_t runCount = (flags & 0x08) ? reader.u16() : 0;
    const uint32_t phoneticSize = (flags & 0x04) ? reader.u32() : 0;
    QString text;
    text.reserve(count);
    for (int i = 0; i < count; ++i)
        text.append(QChar((flags & 0x01) ? reader.u16() : reader.u8()));
    reader.skip(qsizetype(runCount) * 4 + phoneticSize);
    return text;
}

void AppendUnicodeString(QByteArray& out, const QString& text)
{
    const bool wide = !fitsOneByte(text);
    ByteWriter(out).u16(uint16_t(text.size())).u8(wide ? 0x01 : 0x00);
    appendCharacters(out, text, 0, text.size(), wide);
}

QByteArray WriteSharedStrings(const std::vector<SharedString>& strings, uint32_t totalReferences,
                              qsizetype streamOffset)
{
    SstWriter sst(streamOffset);
    sst.header(totalReferences, uint32_t(strings.size()));
    const int perBucket = std::max<int>(8, int(strings.size() / 128) + 1);
    QByteArray extSst;
    ByteWriter ext(extSst);
    ext.u16(uint16_t(perBucket));
    for (size_t i = 0; i < strings.size(); ++i) {
        const auto [absolute, inRecord] = sst.string(strings[i]);
        if (i % perBucket == 0)
            ext.u32(absolute).u16(inRecord).u16(0);
    }
    QByteArray out = sst.finish();
    AppendRecord(out, record::ExtSst, extSst);
    return out;
}

}  // namespace velmar::xls
