#include "reports/Windows1252.h"

#include <array>

namespace {

// The characters of codes 0x80 to 0x9F; 0 where the code page has none.
constexpr std::array<char16_t, 32> Codes80To9F = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> Code(char16_t character)
{
    // The rest of the page is Latin-1, but for its control characters 0x80 to 0x9F.
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    for (size_t i = 0; i < Codes80To9F.size(); ++i) {
        if (Codes80To9F[i] != 0 && Codes80To9F[i] == character)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> ToWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar character : text) {
        const std::optional<char> code = Code(character.unicode());
        if (!code)
            return std::nullopt;
        bytes.append(*code);
    }
    return bytes;
}
