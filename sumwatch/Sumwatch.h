#pragma once
// The sumwatch command: checks one list file or every list file of a directory and reports.

#include "ListCheck.h"

#include <ostream>
#include <string>
#include <vector>

constexpr int kExitDone = 0;
constexpr int kExitUsage = 10;
constexpr int kExitSetUp = 20;

// arguments: the command line without the program name. Everything goes to out; returns the
// exit code.
int runSumwatch(const std::vector<std::string>& arguments, std::ostream& out);

// One row of the statistics table, with its line end.
std::string statisticsRow(const DiffInfo& info);
