// quintix-soak: plays the game with random events, as a person and the clock could cause them, and
// checks the game's invariants after every event and every timer step. A violation is printed with
// the seed and the event, so that the same run replays it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "fuzzing/game_monkey.h"
#include "game/random_source.h"
#include "tools/command_line.h"
#include "tools/printable.h"

namespace {

using quintix::ParseNumber;

const char* const Tool = "quintix-soak";
const char* const Usage =
    "usage: quintix-soak [--events N] [--seed S]\n"
    "  --events N   events to apply, at least 1 (default 100000)\n"
    "  --seed S     seed of the events and the dice (default: the time of day)\n";

constexpr int MaxPrintedViolations = 20;

int Fail(const std::string& message) {
    return quintix::FailUsage(Tool, message, Usage);
}

}  // namespace

int main(int argc, char** argv) {
    long long events = 100000;
    unsigned long long seed = quintix::MillisecondsSinceMidnight();
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (option != "--events" && option != "--seed") {
            return Fail("unknown option '" + std::string(option) + "'");
        }
        if (i + 1 >= argc) {
            return Fail("missing value for " + std::string(option));
        }
        const std::string_view value = argv[++i];
        const bool ok = option == "--events"
                            ? ParseNumber(value, 1LL, std::numeric_limits<long long>::max(), events)
                            : ParseNumber(value, 0ULL, std::numeric_limits<unsigned long long>::max(), seed);
        if (!ok) {
            return Fail("bad value '" + std::string(value) + "' for " + std::string(option));
        }
    }

    std::printf("seed %llu\n", seed);
    quintix::TSeededMonkeyInput input(seed);
    quintix::TGameMonkey monkey(input);
    long long event = 0;
    monkey.OnViolation([&](const std::string& message) {
        const auto count = monkey.Figures().Violations;
        if (count <= MaxPrintedViolations) {
            // Player names in a message may hold any bytes.
            std::printf("violation at event %lld (replay: --seed %llu --events %lld): %s\n", event, seed,
                        event, quintix::Printable(message).c_str());
        }
    });
    const auto start = std::chrono::steady_clock::now();
    for (event = 1; event <= events; ++event) {
        monkey.Step();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const quintix::TMonkeyFigures& f = monkey.Figures();
    std::printf("series %lld games %lld ended %lld lines %lld computer-series %lld\n",
                static_cast<long long>(f.SeriesStarted), static_cast<long long>(f.GamesStarted),
                static_cast<long long>(f.SeriesEnded), static_cast<long long>(f.LinesScored),
                static_cast<long long>(f.ComputerSeriesPlayed));
    const double perSecond =
        seconds > 0 ? static_cast<double>(events) / seconds : static_cast<double>(events);
    std::printf("events %lld checks %lld violations %lld per-second %lld\n", static_cast<long long>(f.Events),
                static_cast<long long>(f.Checks), static_cast<long long>(f.Violations),
                static_cast<long long>(perSecond));
    if (!quintix::CloseOutput(Tool, stdout, "standard output")) {
        return quintix::WriteFailedStatus;
    }
    return f.Violations > 0 ? 1 : 0;
}
