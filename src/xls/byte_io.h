// Little-endian reading and writing over byte arrays, the way the compound-file and workbook formats
// store their numbers. Reads past the end throw, so a truncated file is an error, never garbage.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace velmar::xls {

// Thrown by ByteReader when a structure runs past its data; callers turn it into a message naming the file.
class TruncatedData : public std::runtime_error {
public:
    TruncatedData() : std::runtime_error("truncated data") {}
};

inline uint16_t readU16(const char* p) { return uint16_t(uint8_t(p[0]) | uint8_t(p[1]) << 8); }
inline uint32_t readU32(const char* p) { return uint32_t(readU16(p)) | uint32_t(readU16(p + 2)) << 16; }
inline double readF64(const char* p)
{
    double value;
    std::memcpy(&value, p, 8);  // the formats are little-endian, as every machine we build for
    return value;
}
inline void writeU16(char* p, uint16_t v)
{
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}
inline void writeU32(char* p, uint32_t v)
{
    writeU16(p, uint16_t(v & 0xFFFF));
    writeU16(p + 2, uint16_t(v >> 16));
}

// Appends little-endian values to a byte array.
class ByteWriter {
public:
    explicit ByteWriter(QByteArray& out) : out_(out) {}
    ByteWriter& u8(uint8_t v)
    {
        out_.append(char(v));
        return *this;
    }
    ByteWriter& u16(uint16_t v)
    {
        char b[2];
        writeU16(b, v);
        out_.append(b, 2);
        return *this;
    }
    ByteWriter& u32(uint32_t v)
    {
        char b[4];
        writeU32(b, v);
        out_.append(b, 4);
        return *this;
    }
    ByteWriter& f64(double v)
    {
        char b[8];
        std::memcpy(b, &v, 8);
        out_.append(b, 8);
        return *this;
    }
    ByteWriter& bytes(const QByteArray& b)
    {
        out_.append(b);
        return *this;
    }
    ByteWriter& zeros(int n)
    {
        out_.append(QByteArray(n, '\0'));
        return *this;
    }

private:
    QByteArray& out_;
};

// Reads little-endian values from a byte range, throwing TruncatedData past its end.
class ByteReader {
public:
    ByteReader(const char* data, qsizetype size) : data_(data), size_(size) {}
    explicit ByteReader(const QByteArray& bytes) : ByteReader(bytes.constData(), bytes.size()) {}

    uint8_t u8()
    {
        need(1);
        return uint8_t(data_[pos_++]);
    }
    uint16_t u16()
    {
        need(2);
        uint16_t v = readU16(data_ + pos_);
        pos_ += 2;
        return v;
    }
    uint32_t u32()
    {
        need(4);
        uint32_t v = readU32(data_ + pos_);
        pos_ += 4;
        return v;
    }
    double f64()
    {
        need(8);
        double v = readF64(data_ + pos_);
        pos_ += 8;
        return v;
    }
    QByteArray bytes(qsizetype n)
    {
        need(n);
        QByteArray b(data_ + pos_, n);
        pos_ += n;
        return b;
    }
    void skip(qsizetype n)
    {
        need(n);
        pos_ += n;
    }

    qsizetype pos() const { return pos_; }
    qsizetype left() const { return size_ - pos_; }
    bool atEnd() const { return pos_ >= size_; }

private:
    void need(qsizetype n) const
    {
        if (n < 0 || n > size_ - pos_)
            throw TruncatedData();
    }
    const char* data_;
    qsizetype size_;
    qsizetype pos_ = 0;
};

}  // namespace velmar::xls
