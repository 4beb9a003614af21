#pragma once
// The command line of tavo-batch:
//   tavo-batch [--answer yes|no|cancel] [--prefs FILE] [SCRIPT]
#include <string>
#include <vector>

struct BatchOptions {
    // What every question gets: 1 yes, 0 no, 2 cancel. Cancel by default, so
    // that a script never loses changes it did not save: "New Scene" or
    // "Open Scene" over unsaved changes then does nothing (and prints the
    // question); a script that means to drop them runs with --answer no.
    int answer = 2;
    std::string preferences; // the preferences file to read; empty: the user's
    std::string script;      // the script file; empty or "-": standard input
};

// args: the arguments after the program name. False, with a message in
// outError, for an unknown option, a missing or wrong option value, or more
// than one script.
bool parseBatchArguments(const std::vector<std::string>& args, BatchOptions& outOptions, std::string& outError);

extern const char* const batchUsage;
