#pragma once
// A reader over a byte range that never reads past its end: every read past
// the end yields zeros and marks the reader as overrun, so a truncated or
// corrupt tag decodes to something harmless instead of touching foreign memory.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace swf {

class BitReader
{
public:
    BitReader() = default;
    BitReader(const uint8_t* data, size_t size) : d_(data), n_(size) {}
    explicit BitReader(const QByteArray& b)
        : d_(reinterpret_cast<const uint8_t*>(b.constData())), n_(size_t(b.size())) {}

    size_t pos() const { return p_; }
    size_t size() const { return n_; }
    size_t remaining() const { return p_ < n_ ? n_ - p_ : 0; }
    bool atEnd() const { return p_ >= n_; }
    bool overrun() const { return overrun_; }
    const uint8_t* data() const { return d_; }

    void align() { bitCount_ = 0; }
    void seek(size_t p) { align(); p_ = p <= n_ ? p : n_; }
    void skip(size_t k) { align(); if (k > remaining()) { overrun_ = true; p_ = n_; } else p_ += k; }

    uint8_t u8() { align(); if (p_ >= n_) { overrun_ = true; return 0; } return d_[p_++]; }
    uint16_t u16() { uint16_t a = u8(); return uint16_t(a | (uint16_t(u8()) << 8)); }
    uint32_t u24() { uint32_t a = u8(); a |= uint32_t(u8()) << 8; return a | (uint32_t(u8()) << 16); }
    uint32_t u32() { uint32_t a = u16(); return a | (uint32_t(u16()) << 16); }
    int16_t s16() { return int16_t(u16()); }
    int32_t s32() { return int32_t(u32()); }
    uint32_t u24be() { uint32_t a = uint32_t(u8()) << 16; a |= uint32_t(u8()) << 8; return a | u8(); }
    double fixed8() { return s16() / 256.0; }
    double fixed16() { return s32() / 65536.0; }

    uint32_t ub(unsigned bits)
    {
        uint32_t v = 0;
        for (unsigned i = 0; i < bits; ++i) {
            if (bitCount_ == 0) {
                if (p_ >= n_) { overrun_ = true; cur_ = 0; }
                else cur_ = d_[p_++];
                bitCount_ = 8;
            }
            --bitCount_;
            v = (v << 1) | ((cur_ >> bitCount_) & 1u);
        }
        return v;
    }
    int32_t sb(unsigned bits)
    {
        if (bits == 0) return 0;
        uint32_t v = ub(bits);
        if (bits < 32 && (v & (1u << (bits - 1)))) v |= ~0u << bits;
        return int32_t(v);
    }
    double fb(unsigned bits) { return sb(bits) / 65536.0; }
    bool flag() { return ub(1) != 0; }

    // Null-terminated string; SWF 6+ is UTF-8, older files use a Latin-1 code page.
    QString string(bool utf8 = true)
    {
        align();
        size_t s = p_;
        while (p_ < n_ && d_[p_] != 0) ++p_;
        QByteArray raw(reinterpret_cast<const char*>(d_ + s), qsizetype(p_ - s));
        if (p_ < n_) ++p_; else overrun_ = true;
        return utf8 ? QString::fromUtf8(raw) : QString::fromLatin1(raw);
    }
    QByteArray bytes(size_t k)
    {
        align();
        if (k > remaining()) { overrun_ = true; k = remaining(); }
        QByteArray r(reinterpret_cast<const char*>(d_ + p_), qsizetype(k));
        p_ += k;
        return r;
    }
    BitReader sub(size_t k)
    {
        align();
        if (k > remaining()) { overrun_ = true; k = remaining(); }
        BitReader r(d_ + p_, k);
        p_ += k;
        return r;
    }

private:
    const uint8_t* d_ = nullptr;
    size_t n_ = 0;
    size_t p_ = 0;
    uint8_t cur_ = 0;
    unsigned bitCount_ = 0;
    bool overrun_ = false;
};

} // namespace swf
