#pragma once
// The generated sample lists (`listgen --sample`), for tests of what the program shows
// for them, and the golden file of the rows the Specials list for them.

#include "listdata/AppSettings.h"
#include "support/FixtureLists.h"
#include "tools/ListGenerator.h"

#include <string>
#include <vector>

namespace testsupport {

// Writes `lists` of the sample set into `directory`; with `hostile`, with CR LF line ends
// and hostile lines. Returns settings that name them.
inline CAppSettings WriteSampleLists(const std::string& directory, const std::vector<int>& lists, bool hostile)
{
    listgen::GeneratorOptions options;
    options.titles = listgen::GeneratorOptions::kSampleTitles;
    options.people = listgen::GeneratorOptions::kSamplePeople;
    options.crlf = options.hostile = hostile;
    listgen::ListGenerator(options).WriteSet(directory, lists);
    return ListSettings(directory);
}

// The rows of Top 250 and Bottom 10 and of Birthdays and Deaths on each day of 2024 with
// rows, as the dialogs show them for the sample lists: a line a row, cells separated by
// tabs, each table headed by the dialog's caption (and the day).
inline std::string SpecialsRowsGoldenPath()
{
    return std::string(RV_TEST_DATA_DIR) + "specials/sample-rows.txt";
}

} // namespace testsupport
