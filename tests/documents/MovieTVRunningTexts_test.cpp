// The Movie/TV view's running-text blocks on small hand-built stores, read back as text.
// The fixed-pitch measure makes "- " two characters wide.

#include "support/MovieTVBlocks.h"

namespace {

using namespace testsupport;

TEST_F(MovieTVTextTest, PlotSummaries)
{
    Check({{"authors part the summaries by a blank line; lines run on; no NewLine at the end",
            {Text(kPlot, 1, "A man"), Text(kPlot, 1, "walks."), Text(kPlot, 2, "anon"), Text(kPlot, 1, "Second"),
             Text(kPlot, 2, "b"), Text(kPlot, 99, "Ep (#1.1)"), Text(kPlot, 1, "Third"), Text(kPlot, 1, "line"),
             Text(kPlot, 7, "not shown")},
            "{-1,1}*Plot Summary:*\n{0,1}A man walks.\n/- Summary written by: /anon\n\nSecond\n"
            "/- Summary written by: /b\n\n/Ep (#1.1)/\n{0,0}Third line\n"}}, // an unended line reads {0,0}
          [](CMovieTVText& t) { return t.AddPlot(); });
}

TEST_F(MovieTVTextTest, Quotes)
{
    Check({{"a blank line between quotes, none between speakers; episodes one deeper",
            {Text(kQuotes, 99, ""), Text(kQuotes, 2, "A: one"), Text(kQuotes, 0, "more"), Text(kQuotes, 2, "B: two"),
             Text(kQuotes, 1, "C: three"), Text(kQuotes, 99, "Ep (#1.1)"), Text(kQuotes, 2, "D: four"),
             Text(kQuotes, 1, "E: five"), Text(kQuotes, 99, ""), Text(kQuotes, 2, "F: six")},
            "{-1,1}*Memorable Quotes:*\n{-1,2}A: one more\nB: two\n\nC: three\n\n/Ep (#1.1)/\n{-1,3}D: four\n\n"
            "E: five\n{-1,2}F: six\n"}},
          [](CMovieTVText& t) { return t.AddQuotes(); });
}

TEST_F(MovieTVTextTest, Goofs)
{
    Check({{"categories, continuation, episode header; a forged code shows nothing",
            {Text(kGoofs, 2, "Moves."), Text(kGoofs, 0, "and back."), Text(kGoofs, 13, "Wrong."), Text(kGoofs, 1, ""),
             Text(kGoofs, 99, "Ep (#1.1)"), Text(kGoofs, 7, "Boom."), Text(kGoofs, 40, "forged")},
            "{-1,1}*Goofs:*\n{-2,3}- Continuity: Moves. and back.\n"
            "- Errors made by characters (possibly deliberate errors by the filmmakers): Wrong.\n\n"
            "/Ep (#1.1)/\n- Boom Mike Visible: Boom.\n"}},
          [](CMovieTVText& t) { return t.AddGoofs(); });
}

TEST_F(MovieTVTextTest, EntryLists)
{
    Check({{"a sub-item one dash deeper; episode headers in italics; other keys join the line",
            {Text(kTrivia, 1, "One"), Text(kTrivia, 0, "more"), Text(kTrivia, 2, "Sub"), Text(kTrivia, 3, "Ep (#1.1)"),
             Text(kTrivia, 1, "Two"), Text(kTrivia, 5, "odd")},
            "{-1,1}*Trivia:*\n{-2,3}- One more\n{-2,5}- Sub\n/Ep (#1.1)/\n{-2,3}- Two odd\n"}},
          [](CMovieTVText& t) { return t.AddEntryList(kTrivia); });
    Check({{"a list without an entry-list heading",
            {Text(kGoofs, 1, "One")},
            "{-1,1}*Unknown Headline. Please report this to the Author of this Program.*\n{-2,3}- One\n"}},
          [](CMovieTVText& t) { return t.AddEntryList(kGoofs); });
}

TEST_F(MovieTVTextTest, KindsOfTechnicalBusinessAndLiterature)
{
    Check({{"one kind line per run; a value without kind at the kind's indent; repeated headers hidden",
            {Text(kTechnical, 99, ""), Text(kTechnical, 2, "Arri"), Text(kTechnical, 99, ""), Text(kTechnical, 2, "Pana"),
             Text(kTechnical, 1, "(prints)"), Text(kTechnical, 99, ""), Text(kTechnical, 2, "Moviecam"),
             Text(kTechnical, 99, ""), Text(kTechnical, 0, "ZZZ:odd"), Text(kTechnical, 99, ""),
             Text(kTechnical, 2, "Last"), Text(kTechnical, 99, "Ep (#1.1)"), Text(kTechnical, 2, "X"),
             Text(kTechnical, 99, "Ep (#1.1)"), Text(kTechnical, 6, "1.85 : 1"), Text(kTechnical, 99, ""),
             Text(kTechnical, 2, "Y")},
            "{-1,1}*Technical Specifications:*\n{-1,2}Camera:\n{-1,3}Arri\nPana (prints)\nMoviecam\n"
            "{-1,2}ZZZ:odd\nCamera:\n{-1,3}Last\n{-1,2}/Ep (#1.1)/\n{-1,3}Camera:\n{-1,4}X\n{-1,3}Aspect ratio:\n"
            "{-1,4}1.85 : 1\n{-1,2}\nCamera:\n{-1,3}Y\n"}},
          [](CMovieTVText& t) { return t.AddTechnical(); });
    Check({{"a line without a prefix and a forged code are value lines of their own",
            {Text(kBusiness, 1, "USD 1"), Text(kBusiness, 2, "USD 2"), Text(kBusiness, 2, "USD 3"),
             Text(kBusiness, 0, "Figures as reported."), Text(kBusiness, 40, "forged"), Text(kBusiness, 2, "USD 4")},
            "{-1,1}*Business Information:*\n{-1,2}Budget:\n{-1,3}USD 1\n{-1,2}Gross:\n{-1,3}USD 2\nUSD 3\n"
            "{-1,2}Figures as reported.\nforged\nGross:\n{-1,3}USD 4\n"}},
          [](CMovieTVText& t) { return t.AddBusiness(); });
    Check({{"entries apart by a blank line; continuations join; an unknown code",
            {Text(kLiterature, 99, ""), Text(kLiterature, 1, "Script"), Text(kLiterature, 0, "(revised)"),
             Text(kLiterature, 1, "Another"), Text(kLiterature, 7, "Review"), Text(kLiterature, 99, "Ep (#1.1)"),
             Text(kLiterature, 2, "Novel"), Text(kLiterature, 12, "odd")},
            "{-1,1}*Literature:*\n{-1,2}Screenplay/Teleplay:\n{-1,3}Script (revised)\nAnother\n"
            "{-1,2}Printed Media Reviews:\n{-1,3}Review\n\n{-1,2}/Ep (#1.1)/\n{-1,3}Original Literary Source:\n"
            "{-1,4}Novel\n{-1,3}odd\n"}},
          [](CMovieTVText& t) { return t.AddLiterature(); });
}

TEST_F(MovieTVTextTest, Soundtracks)
{
    Check({{"songs behind dashes, details deeper, other keys as details",
            {Text(kSoundtracks, 3, ""), Text(kSoundtracks, 2, "\"Song\""), Text(kSoundtracks, 1, "Written by X"),
             Text(kSoundtracks, 0, "(uncredited)"), Text(kSoundtracks, 5, "odd"), Text(kSoundtracks, 3, "Ep (#1.1)"),
             Text(kSoundtracks, 2, "\"Two\"")},
            "{-1,1}*Soundtracks:*\n{-2,3}- \"Song\"\n{-1,4}Written by X (uncredited)\nodd\n{-2,3}/Ep (#1.1)/\n"
            "- \"Two\"\n"}},
          [](CMovieTVText& t) { return t.AddSoundtracks(); });
}

} // namespace
