#include "platform/text/cp1252.h"

#include <array>
#include <cstdint>

namespace zp {
namespace {

// Code points of bytes 0x80..0x9F; the undefined ones keep their C1 code point.
constexpr std::array<char32_t, 32> kAltos = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t puntoDeByte(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F) return kAltos[b - 0x80];
    return b;
}

int byteDePunto(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < kAltos.size(); ++i)
        if (kAltos[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

void anadirUtf8(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at `i`, advancing it; malformed input yields U+FFFD and one byte.
char32_t leerUtf8(std::string_view s, std::size_t& i)
{
    auto b = static_cast<unsigned char>(s[i]);
    int resto = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
    if (resto < 0 || i + static_cast<std::size_t>(resto) >= s.size()) {
        ++i;
        return resto == 0 ? b : 0xFFFD;
    }
    char32_t c = resto == 0 ? b : resto == 1 ? (b & 0x1F) : resto == 2 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k <= resto; ++k) {
        auto t = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((t & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (t & 0x3F);
    }
    i += static_cast<std::size_t>(resto) + 1;
    return c;
}

} // namespace

std::string aCp1252(std::string_view utf8, char sustituto)
{
    std::string r;
    r.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        int b = byteDePunto(leerUtf8(utf8, i));
        r += b < 0 ? sustituto : static_cast<char>(b);
    }
    return r;
}

std::string desdeCp1252(std::string_view bytes)
{
    std::string r;
    r.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) anadirUtf8(r, puntoDeByte(static_cast<unsigned char>(ch)));
    return r;
}

std::size_t longitudCp1252(std::string_view utf8)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n) leerUtf8(utf8, i);
    return n;
}

} // namespace zp
