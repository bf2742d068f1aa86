#include "listdata/ListCatalog.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(ListCatalog, IndicesEqualPositionsAndNamesAreSorted)
{
    for (int i = 0; i < kListCount; ++i) {
        EXPECT_EQ(ListCatalog[i].index, i);
        if (i > 0) {
            EXPECT_LT(std::strcmp(ListCatalog[i - 1].name, ListCatalog[i].name), 0) << i;
        }
    }
}

TEST(ListCatalog, KindsFollowTheListFamilies)
{
    for (int i = 0; i < kListCount; ++i) {
        const ListCatalogEntry& e = ListCatalog[i];
        bool filmography = false;
        for (int job : FilmographyJobOrder)
            filmography = filmography || job == i;
        EXPECT_EQ(e.kind == 1, filmography) << e.name;
        EXPECT_EQ(e.useMovieTV && e.useCastCrew, filmography) << e.name;
        EXPECT_EQ(e.kind == 2, i == kRatings) << e.name;
        EXPECT_TRUE(e.useMovieTV || e.useCastCrew) << e.name;
    }
    EXPECT_FALSE(ListCatalog[kAkaNames].useMovieTV);
    EXPECT_FALSE(ListCatalog[kBiographies].useMovieTV);
}

TEST(ListCatalog, DefaultFileNameKeepsTheNameAsItIs)
{
    EXPECT_EQ(DefaultListFileName(kSoundMix), "Sound-Mix.list");
    EXPECT_EQ(DefaultListFileName(kAkaTitles), "Aka-Titles.list");
}
