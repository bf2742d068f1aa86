#include "shell/core/CommandLine.h"

namespace shellcore {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// " -logfile path" and the other switches, in the order the tools document them.
void AppendSwitch(std::string& line, bool on, const char* name)
{
    if (on) {
        line += " -";
        line += name;
    }
}

void AppendLogfile(std::string& line, bool on, const std::string& path)
{
    if (on) {
        line += " -logfile ";
        line += QuoteArgument(path);
    }
}

} // namespace

std::string QuoteArgument(std::string_view argument)
{
    bool needsQuotes = argument.empty();
    for (const char c : argument)
        if (IsBlank(c) || c == '"')
            needsQuotes = true;
    if (!needsQuotes)
        return std::string(argument);
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::vector<std::string> SplitCommandLine(std::string_view commandLine)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < commandLine.size(); ++i) {
        const char c = commandLine[i];
        if (!quoted && IsBlank(c)) {
            if (inArgument)
                arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
            continue;
        }
        inArgument = true;
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted && c == '\\' && i + 1 < commandLine.size() &&
                   (commandLine[i + 1] == '"' || commandLine[i + 1] == '\\')) {
            current += commandLine[++i];
        } else {
            current += c;
        }
    }
    if (inArgument)
        arguments.push_back(std::move(current));
    return arguments;
}

std::string BuildDeltamendCommandLine(const DeltamendArguments& arguments)
{
    std::string line = QuoteArgument(arguments.program) + ' ' + QuoteArgument(arguments.listsPath) + ' ' +
                       QuoteArgument(arguments.diffilesPath);
    AppendSwitch(line, arguments.sumwatch, "sumwatch");
    AppendSwitch(line, arguments.force, "force");
    AppendSwitch(line, arguments.keep, "keep");
    AppendSwitch(line, arguments.noStats, "nostats");
    AppendSwitch(line, arguments.quiet, "quiet");
    AppendLogfile(line, arguments.logfile, arguments.logfilePath);
    return line;
}

std::string BuildSumwatchCommandLine(const SumwatchArguments& arguments)
{
    std::string line = QuoteArgument(arguments.program) + ' ' + QuoteArgument(arguments.listsPath);
    AppendSwitch(line, arguments.noStats, "nostats");
    AppendSwitch(line, arguments.quiet, "quiet");
    AppendLogfile(line, arguments.logfile, arguments.logfilePath);
    return line;
}

} // namespace shellcore
