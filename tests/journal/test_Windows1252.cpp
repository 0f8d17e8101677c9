#include "journal/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, EveryByteRoundTrips)
{
    QByteArray tous;
    for (int b = 0; b < 256; ++b)
        tous.append(char(b));
    const QString texte = decoderWindows1252(tous);
    ASSERT_EQ(texte.size(), 256);
    EXPECT_EQ(encoderWindows1252(texte), tous);
}

TEST(Windows1252, KnownCharacters)
{
    const struct { unsigned char octet; char16_t unicode; } cas[] = {
        {0x41, u'A'}, {0x80, 0x20AC}, {0x8C, 0x0152}, {0x92, 0x2019}, {0x9C, 0x0153},
        {0x9F, 0x0178}, {0x81, 0x0081}, {0xA0, 0x00A0}, {0xC9, 0x00C9}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(decoderWindows1252(QByteArray(1, char(c.octet))), QString(QChar(c.unicode))) << int(c.octet);
        EXPECT_EQ(encoderWindows1252(QString(QChar(c.unicode))), QByteArray(1, char(c.octet))) << int(c.octet);
    }
}

TEST(Windows1252, CharacterWithoutByteIsReportedWithItsIndex)
{
    qsizetype index = -1;
    EXPECT_FALSE(encoderWindows1252(u"ab\u2192c", &index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(representableWindows1252(QChar(0x0100)));
    EXPECT_TRUE(representableWindows1252(QChar(0x20AC)));
}
