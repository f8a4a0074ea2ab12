#include "platform/text/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, cada_uno_de_los_256_bytes_sobrevive_ida_y_vuelta)
{
    for (int b = 0; b < 256; ++b) {
        std::string uno(1, static_cast<char>(b));
        EXPECT_EQ(zp::aCp1252(zp::desdeCp1252(uno)), uno) << "byte " << b;
        EXPECT_EQ(zp::longitudCp1252(zp::desdeCp1252(uno)), 1u) << "byte " << b;
    }
}

TEST(Cp1252, letras_espanolas_y_simbolos_ocupan_un_byte)
{
    EXPECT_EQ(zp::aCp1252("Añó¿¡€"), std::string("A\xF1\xF3\xBF\xA1\x80"));
    EXPECT_EQ(zp::desdeCp1252(std::string("N\xFA\xF1") + "ez"), "Núñez");
    EXPECT_EQ(zp::longitudCp1252("Sí, señor"), 9u);
}

TEST(Cp1252, lo_que_no_cabe_se_sustituye)
{
    EXPECT_EQ(zp::aCp1252("a→b"), "a?b");
    EXPECT_EQ(zp::aCp1252(std::string("a\xFF") + "b"), "a?b"); // broken UTF-8
    EXPECT_EQ(zp::aCp1252("\xE2\x82"), "??");                  // cut short: each byte on its own
}

} // namespace
