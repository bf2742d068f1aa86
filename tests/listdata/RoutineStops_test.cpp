// Where the record walks stop, beyond the end of the list: the lines of a credit record,
// and the cancel flag that every routine tests after the record in hand.

#include "RoutineFixture.h"

#include <gtest/gtest.h>

using namespace searchtest;

namespace {

// Sets the cancel flag for one scope and clears it again whatever the test does.
struct CancelledScope {
    CancelledScope() { g_bCancelSearch = true; }
    ~CancelledScope() { g_bCancelSearch = false; }
};

} // namespace

TEST(CreditWalk, ALineWithoutTitleOrAnotherTitleEndsThePersonsLines)
{
    // The person's credits are sorted by title, so the walk leaves the record at the
    // first line without a title and at the first other title after a match; the later
    // lines of the same title are not counted.
    const std::string body = "Doe, Al\t\tFoo (2000)  [Ann]\n\t\t\t\n\t\t\tFoo (2000) {E (#1.1)}  [Bea]\n\n"
                             "Eck, Bo\t\tFoo (2000)  [Cy]\n\t\t\tGoo (2001)\n\t\t\tFoo (2000) {E (#1.2)}  [Di]\n\n";
    EXPECT_EQ(RunMovie(kActors, body, "Foo (2000)"),
              Typed(kActors, {T(0, "Doe, Al"), T(3, "Ann"), T(0, "Eck, Bo"), T(3, "Cy")}));
}

TEST(CancelledRoutines, EachWalkStopsAfterTheRecordInHand)
{
    CancelledScope cancelled;
    // Person-keyed list read for a title: the first person's record, then the stop.
    EXPECT_EQ(RunMovie(kActors, "Doe, Al\t\tFoo (2000)  [Ann]\n\nEck, Bo\t\tFoo (2000)\n\n", "Foo (2000)"),
              Typed(kActors, {T(0, "Doe, Al"), T(3, "Ann")}));
    // Title-keyed list: a non-matching record in hand ends the walk as well as a match.
    EXPECT_EQ(RunMovie(kRunningTimes, "Foo (2000)\t\t90\nFoo (2000) {E (#1.1)}\t\t30\n", "Foo (2000)"),
              Typed(kRunningTimes, {T(0, "90")}));
    EXPECT_TRUE(RunMovie(kRunningTimes, "Abe (1990)\t\t80\nFoo (2000)\t\t90\n", "Foo (2000)").empty());
    // Name-sorted list: a name before the person's place ends the walk when cancelled.
    EXPECT_TRUE(RunCast(kActors, "Abe, Al\t\tA (1990)\n\nDoe, Al\t\tFoo (2000)\n\n", "Doe, Al").empty());
    // The first record may be the person's own.
    EXPECT_EQ(RunCast(kActors, "Doe, Al\t\tFoo (2000)\n\nDoe, Al\t\tGoo (2001)\n\n", "Doe, Al"),
              Typed(kActors, {T(1, "Foo (2000)")}));
}

TEST(CancelledRoutines, RecordsPassedUnreadCountAsRecordsInHand)
{
    // The walks may pass records that cannot concern the document without reading them;
    // a cancel must still end the walk there, not at the next record that concerns it.
    CancelledScope cancelled;
    EXPECT_TRUE(
        RunMovie(kActors, "Abe, Al\t\tOther (1990)\n\nDoe, Al\t\tFoo (2000)  [Ann]\n\n", "Foo (2000)").empty());
    EXPECT_TRUE(RunMovie(kGoofs, "# Abe (1990)\n- CONT: x\n\n\n# Foo (2000)\n- CONT: y\n\n\n", "Foo (2000)").empty());
    EXPECT_TRUE(RunCast(kActors, "Abe, Al\t\tA (1990)\n\nBee, Bo\t\tB (1991)\n\nDoe, Al\t\tFoo (2000)\n\n", "Doe, Al")
                    .empty());
}
