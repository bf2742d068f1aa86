#pragma once
// Command lines of the diff tools: built from the settings for the preview and the run,
// and split again into a program and its arguments when the console starts it. No
// shell ever sees them. Paths are UTF-8; only ASCII bytes matter here.

#include <string>
#include <string_view>
#include <vector>

namespace shellcore {

// `argument` as it stands when it holds no blank, tab or double quote; otherwise, and
// when it is empty, enclosed in double quotes, with '"' and '\' inside written as \" and
// \\. SplitCommandLine reads it back as one argument, so an empty path keeps its place.
std::string QuoteArgument(std::string_view argument);

// The arguments of `commandLine`: blanks and tabs separate them; a double-quoted part
// belongs to the argument it stands in, blanks included, and inside it \" and \\ stand
// for '"' and '\'. Outside quotes a backslash is an ordinary character. "" gives an
// empty argument.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// What the Deltamend dialog passes to the diff applier.
struct DeltamendArguments {
    std::string program;
    std::string listsPath;
    std::string diffilesPath;
    bool sumwatch = false;
    bool force = false;
    bool keep = false;
    bool noStats = false;
    bool quiet = false;
    bool logfile = false;
    std::string logfilePath;
};

// What the Sumwatch dialog passes to sumwatch.
struct SumwatchArguments {
    std::string program;
    std::string listsPath;
    bool noStats = false;
    bool quiet = false;
    bool logfile = false;
    std::string logfilePath;
};

// "program lists diffiles" followed by the checked switches in their fixed order
// (-sumwatch -force -keep -nostats -quiet -logfile path); paths quoted as QuoteArgument
// does.
std::string BuildDeltamendCommandLine(const DeltamendArguments& arguments);
// "program lists" followed by -nostats, -quiet and -logfile path when checked.
std::string BuildSumwatchCommandLine(const SumwatchArguments& arguments);

} // namespace shellcore
