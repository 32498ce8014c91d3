// quintix-sim: plays series of computer players without a window or real waiting, and prints
// statistics of the games; optionally a trace of every roll, decision and score (JSON Lines).
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "game/random_source.h"
#include "history/history_store.h"
#include "tools/command_line.h"
#include "tools/simulator.h"

namespace {

using quintix::ParseNumber;

const char* const Tool = "quintix-sim";
const char* const Usage =
    "usage: quintix-sim [--players N] [--games G] [--series S] [--seed X] [--strategy S] [--trace FILE]\n"
    "                   [--record FILE]\n"
    "  --players N   computer players, 1..6 (default 1)\n"
    "  --games G     games per series, 1..6 (default 1)\n"
    "  --series S    series to play, at least 1 (default 1000)\n"
    "  --seed X      seed of the dice, 0..4294967295 (default: the time of day)\n"
    "  --strategy S  classic (default): the computer player of the original design;\n"
    "                expert: the best choice at every decision\n"
    "  --trace FILE  write every event as JSON Lines to FILE ('-' for standard output)\n"
    "  --record FILE store every finished game in the history FILE (created if missing)\n";

int Fail(const std::string& message) {
    return quintix::FailUsage(Tool, message, Usage);
}

}  // namespace

int main(int argc, char** argv) {
    quintix::TSimOptions options;
    options.Seed = quintix::MillisecondsSinceMidnight();
    std::string tracePath;
    std::string recordPath;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (i + 1 >= argc) {
            return Fail(std::string(option).rfind("--", 0) == 0
                            ? "missing value for " + std::string(option)
                            : "unknown argument '" + std::string(option) + "'");
        }
        const std::string_view value = argv[++i];
        bool ok = true;
        if (option == "--players") {
            ok = ParseNumber(value, 1, 6, options.Players);
        } else if (option == "--games") {
            ok = ParseNumber(value, 1, 6, options.Games);
        } else if (option == "--series") {
            ok = ParseNumber<std::int64_t>(value, 1, 1'000'000'000, options.Series);
        } else if (option == "--seed") {
            ok = ParseNumber<std::uint32_t>(value, 0, 4'294'967'295U, options.Seed);
        } else if (option == "--strategy") {
            ok = value == "classic" || value == "expert";
            options.Expert = value == "expert";
        } else if (option == "--trace") {
            tracePath = value;
            ok = !tracePath.empty();
        } else if (option == "--record") {
            recordPath = value;
            ok = !recordPath.empty();
        } else {
            return Fail("unknown option '" + std::string(option) + "'");
        }
        if (!ok) {
            return Fail("bad value '" + std::string(value) + "' for " + std::string(option));
        }
    }

    std::FILE* trace = nullptr;
    if (tracePath == "-") {
        trace = stdout;
    } else if (!tracePath.empty()) {
        trace = std::fopen(tracePath.c_str(), "w");
        if (trace == nullptr) {
            return Fail("cannot write '" + tracePath + "': " + std::strerror(errno));
        }
    }

    // The store says once what went wrong; the run then ends and fails as for the trace.
    bool recordFailed = false;
    std::optional<quintix::THistoryStore> history;
    if (!recordPath.empty()) {
        history.emplace(recordPath, [&recordFailed](const std::string& message) {
            std::fprintf(stderr, "%s: %s\n", Tool, message.c_str());
            recordFailed = true;
        });
        if (!history->IsOpen()) {
            return quintix::WriteFailedStatus;
        }
    }

    const quintix::TSimStats stats = quintix::RunSimulation(options, trace, history ? &*history : nullptr);
    if (recordFailed) {
        return quintix::WriteFailedStatus;
    }
    // A run whose trace could not be written gives no figures: they would describe a cut-short run.
    if (trace != nullptr &&
        !quintix::CloseOutput(Tool, trace, trace == stdout ? "standard output" : "'" + tracePath + "'")) {
        return quintix::WriteFailedStatus;
    }
    // With the trace on standard output, the figures go to standard error to keep it clean.
    std::FILE* report = trace == stdout ? stderr : stdout;
    std::fprintf(report,
                 "seed %u\ngames %lld\nmean %.3f\nstddev %.3f\nmin %d\nmax %d\nupper-bonus %.4f\n"
                 "quintix-50 %.4f\ngames-per-second %.0f\n",
                 options.Seed, static_cast<long long>(stats.Games), stats.Mean, stats.StdDev, stats.Min,
                 stats.Max, stats.UpperBonusShare, stats.QuintixShare,
                 stats.Seconds > 0 ? static_cast<double>(stats.Games) / stats.Seconds : 0.0);
    // The expert's figures say how close its mean comes to the value of a new game.
    if (options.Expert) {
        std::fprintf(report, "strategy expert\noptimum %.3f\nmean-stderr %.3f\ntable-seconds %.3f\n",
                     stats.Optimum,
                     stats.Games > 0 ? stats.StdDev / std::sqrt(static_cast<double>(stats.Games)) : 0.0,
                     stats.TableSeconds);
    }
    if (report == stdout && !quintix::CloseOutput(Tool, stdout, "standard output")) {
        return quintix::WriteFailedStatus;
    }
    return 0;
}
