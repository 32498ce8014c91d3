// quintix-history: the stored history of finished games from the command line: figures, exports
// for spreadsheets and scripts, and merging the history of another machine.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "history/history_export.h"
#include "history/history_location.h"
#include "history/history_store.h"
#include "tools/command_line.h"

namespace {

using quintix::THistoryStore;

const char* const Tool = "quintix-history";
const char* const Usage =
    "usage: quintix-history [--db FILE] COMMAND\n"
    "  --db FILE              the history to use (default: the game's, "
    "$XDG_DATA_HOME/Quintix/history.sqlite)\n"
    "commands:\n"
    "  stats [--player NAME]  games, mean, best, worst, upper bonus and Quintix rates\n"
    "  export --csv|--json    every game to standard output\n"
    "  import FILE            merges the games of another history; games already there are kept\n";

int Fail(const std::string& message) {
    return quintix::FailUsage(Tool, message, Usage);
}

int Failed(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", Tool, message.c_str());
    return 1;
}

int Stats(THistoryStore& store, const std::optional<std::string>& player) {
    const std::optional<quintix::THistoryStats> stats = store.Stats(player);
    if (!stats) {
        return Failed(store.Error());
    }
    std::printf("games %lld\nmean %.3f\nbest %d\nworst %d\nupper-bonus %.4f\nquintix-50 %.4f\n",
                static_cast<long long>(stats->Games), stats->Mean, stats->Best, stats->Worst,
                stats->UpperBonusRate, stats->QuintixRate);
    return quintix::CloseOutput(Tool, stdout, "standard output") ? 0 : quintix::WriteFailedStatus;
}

int Export(THistoryStore& store, bool csv) {
    const bool read = csv ? quintix::ExportCsv(store, stdout) : quintix::ExportJson(store, stdout);
    if (!read && !store.Error().empty()) {
        return Failed(store.Error());
    }
    return quintix::CloseOutput(Tool, stdout, "standard output") ? 0 : quintix::WriteFailedStatus;
}

int Import(THistoryStore& store, const std::string& other) {
    const std::optional<quintix::TImportCounts> counts = store.Import(other);
    if (!counts) {
        return Failed(store.Error());
    }
    std::printf("imported %lld\nalready-there %lld\n", static_cast<long long>(counts->Imported),
                static_cast<long long>(counts->AlreadyThere));
    return quintix::CloseOutput(Tool, stdout, "standard output") ? 0 : quintix::WriteFailedStatus;
}

}  // namespace

int main(int argc, char** argv) {
    int i = 1;
    std::string path;
    if (i < argc && std::string_view(argv[i]) == "--db") {
        if (i + 1 >= argc || argv[i + 1][0] == '\0') {
            return Fail("missing value for --db");
        }
        path = argv[i + 1];
        i += 2;
    }
    if (i >= argc) {
        return Fail("no command");
    }
    const std::string_view command = argv[i++];
    if (command == "--help" || command == "-h") {
        std::fputs(Usage, stdout);
        return 0;
    }
    const std::string_view argument = i < argc ? argv[i] : "";
    const int arguments = argc - i;
    std::optional<std::string> player;
    bool csv = false;
    if (command == "stats") {
        if (arguments == 2 && argument == "--player") {
            player = argv[i + 1];
        } else if (arguments != 0) {
            return Fail("stats takes only --player NAME");
        }
    } else if (command == "export") {
        if (arguments != 1 || (argument != "--csv" && argument != "--json")) {
            return Fail("export needs --csv or --json");
        }
        csv = argument == "--csv";
    } else if (command == "import") {
        if (arguments != 1 || argument.empty()) {
            return Fail("import needs one FILE");
        }
    } else {
        return Fail("unknown command '" + std::string(command) + "'");
    }

    if (path.empty()) {
        path = quintix::DefaultHistoryPath();
        if (path.empty()) {
            return Failed("neither XDG_DATA_HOME nor HOME says where the history is; use --db FILE");
        }
    }
    // A file the tool cannot use stays as it is, whatever the command: the game sets a damaged one
    // aside when it opens it.
    THistoryStore store(
        path, {},
        command == "import" ? THistoryStore::TAccess::ReadWriteNoSetAside : THistoryStore::TAccess::ReadOnly);
    if (!store.IsOpen()) {
        return Failed(store.Error());
    }
    if (command == "stats") {
        return Stats(store, player);
    }
    if (command == "export") {
        return Export(store, csv);
    }
    return Import(store, std::string(argument));
}
