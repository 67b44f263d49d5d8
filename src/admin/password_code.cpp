// The password scrambling, byte for byte as stored in VLMR.set by every version of the program.
#include "admin/password_code.h"

#include "store/codepage.h"

#include <cstdint>

namespace velmar {

namespace {

// A linear congruential generator; Draw(n) is a whole number 0..n-1 from the upper half of n * state.
class Generator {
public:
    explicit Generator(std::uint32_t seed) : state_(seed) {}
    int draw(int n)
    {
        state_ = state_ * 134775813u + 1u;
        return int((std::uint64_t(std::uint32_t(n)) * state_) >> 32);
    }

private:
    std::uint32_t state_;
};

}  // namespace

QByteArray CodeazaBytes(const QByteArray& text)
{
    std::uint32_t sum = 0;
    for (char c : text)
        sum += std::uint8_t(c);
    Generator random(sum);
    QByteArray s = text;

    const int inserted = random.draw(30) + 6;
    for (int i = 0; i < inserted; ++i) {
        const int position = random.draw(int(s.size())) + 1;
        const char byte = char(random.draw(150) + 32);
        s.insert(position - 1, byte);
    }
    const int swaps = random.draw(50) + 50;
    s.prepend(' ');
    for (int i = 0; i < swaps; ++i) {
        // Positions count from 1; the first byte keeps a copy of the old byte a.
        const int a = random.draw(int(s.size()) - 2) + 2;
        const int b = random.draw(int(s.size()) - 2) + 2;
        s[0] = s[a - 1];
        s[a - 1] = s[b - 1];
        s[b - 1] = s[0];
    }
    return s;
}

QString CodeazaStr(const QString& text)
{
    const QByteArray bytes = CodeazaBytes(encodeText(CodePage::Windows1250, text));
    return decodeText(CodePage::Windows1250, std::string_view(bytes.constData(), size_t(bytes.size())));
}

}  // namespace velmar
