#include "listdata/FilmographyJobs.h"

#include "listdata/ListCatalog.h"
#include "listdata/NameSearch.h"

#include <gtest/gtest.h>

namespace {

// The New Cast/Crew search names a person's roles with the same words, in the same list
// order, as the filmography names its jobs: a person's line there and the groups of the
// person's view must not disagree.
TEST(FilmographyJobsTest, JobsMatchTheRolesOfTheNameSearch)
{
    ASSERT_EQ(kFilmographyJobCount, CNameSearch::kPersonListCount);
    for (int job = 0; job < kFilmographyJobCount; ++job) {
        const FilmographyJob& row = FilmographyJobs[job];
        EXPECT_EQ(row.list, FilmographyJobOrder[job]) << job;
        EXPECT_EQ(row.list, CNameSearch::PersonLists[job].listIndex) << job;
        EXPECT_EQ(row.jobWord, CNameSearch::PersonLists[job].roleName) << job;
        EXPECT_EQ(std::string(row.heading), std::string(row.jobWord) + " Filmography:") << job;
        EXPECT_EQ(FilmographyJobOfList(row.list), job);
    }
    EXPECT_EQ(FilmographyJobOfList(kAkaNames), -1);
    EXPECT_EQ(FilmographyJobOfList(-1), -1);
}

} // namespace
