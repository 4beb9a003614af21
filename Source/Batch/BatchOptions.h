#pragma once
// The command line of tavo-batch:
//   tavo-batch [--answer yes|no|cancel] [--prefs FILE] [SCRIPT]
#include <string>
#include <vector>

struct BatchOptions {
    int answer = 2;          // what every question gets: 1 yes, 0 no, 2 cancel
    std::string preferences; // the preferences file to read; empty: the user's
    std::string script;      // the script file; empty or "-": standard input
};

// args: the arguments after the program name. False, with a message in
// outError, for an unknown option, a missing or wrong option value, or more
// than one script.
bool parseBatchArguments(const std::vector<std::string>& args, BatchOptions& outOptions, std::string& outError);

extern const char* const batchUsage;
