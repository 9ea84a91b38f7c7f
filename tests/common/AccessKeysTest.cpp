#include "common/AccessKeys.h"

#include <gtest/gtest.h>

TEST(AccessKeys, EachCaptionOfAWindowGetsAFreeKeyAndKeepsItsWords)
{
    const struct
    {
        const char *caption;
        const char *marked;
    } cases[] = {
        {"Save Poster Tile Images", "Save &Poster Tile Images"}, // many letters: chooses last
        {"Show Tiles", "Show &Tiles"},
        {"Edit", "&Edit"},                                      // few letters: chooses first
        {"Exit", "E&xit"},                                      // a word's first letter taken
        {"&Help", "&Help"},                                     // marked already: kept, H taken
        {"Hh", "Hh"},                                           // nothing free: no key
        {"Save", "&Save"},
        {"4x3", "&4x3"},
    };
    QStringList captions;
    QStringList expected;
    for (const auto &c : cases) {
        captions << QString::fromUtf8(c.caption);
        expected << QString::fromUtf8(c.marked);
    }
    const QStringList marked = withAccessKeys(captions);
    EXPECT_EQ(marked, expected);
    for (qsizetype i = 0; i < marked.size(); ++i)
        EXPECT_EQ(withoutAccessKey(marked[i]), withoutAccessKey(captions[i])) << captions[i].toStdString();
    EXPECT_EQ(withoutAccessKey(QStringLiteral("Salt && &Pepper")), QStringLiteral("Salt & Pepper"));
    EXPECT_EQ(accessKeyOf(QStringLiteral("Salt && &Pepper")), QLatin1Char('p'));
}
