#include "Batch/BatchOptions.h"

#include <algorithm>
#include <string_view>

#include "Scene/TavoApplicationWindow.h"

namespace {

struct AnswerWord {
    std::string_view word;
    int answer;
};

constexpr AnswerWord answerWords[] = {
    {"yes", TavoApplicationWindow::Yes},
    {"no", TavoApplicationWindow::No},
    {"cancel", TavoApplicationWindow::Cancel},
};

} // namespace

const char* const batchUsage = "usage: tavo-batch [--answer yes|no|cancel] [--prefs FILE] [SCRIPT]";

bool parseBatchArguments(const std::vector<std::string>& args, BatchOptions& outOptions, std::string& outError)
{
    bool haveScript = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--answer" || a == "--prefs") {
            if (i + 1 == args.size()) {
                outError = a + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (a == "--prefs") {
                outOptions.preferences = value;
                continue;
            }
            auto w = std::ranges::find(answerWords, value, &AnswerWord::word);
            if (w == std::end(answerWords)) {
                outError = "--answer takes yes, no or cancel, not \"" + value + "\"";
                return false;
            }
            outOptions.answer = w->answer;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            outError = "unknown option " + a;
            return false;
        } else if (haveScript) {
            outError = "more than one script: " + a;
            return false;
        } else {
            outOptions.script = a;
            haveScript = true;
        }
    }
    return true;
}
