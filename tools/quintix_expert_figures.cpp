// quintix-expert-figures: plays many expert games and writes the figures the statistics window
// shows beside a player's as the C++ source of ShippedExpertFigures (computer/expert_figures_data.cpp).
//
// Usage: quintix-expert-figures GAMES SEED > computer/expert_figures_data.cpp
#include <cinttypes>
#include <cstdio>
#include <string>
#include <thread>

#include "computer/expert_figures.h"
#include "computer/expert_table.h"
#include "tools/command_line.h"

namespace {

const char* const Tool = "quintix-expert-figures";
const char* const Usage = "usage: quintix-expert-figures GAMES SEED > computer/expert_figures_data.cpp\n";

}  // namespace

int main(int argc, char** argv) {
    std::int64_t games = 0;
    std::uint64_t seed = 0;
    if (argc != 3 || !quintix::ParseNumber<std::int64_t>(argv[1], 1, INT64_C(100'000'000), games) ||
        !quintix::ParseNumber<std::uint64_t>(argv[2], 0, UINT64_MAX, seed)) {
        return quintix::FailUsage(Tool, "GAMES (1 to 100,000,000) and SEED are needed", Usage);
    }
    quintix::TExpertTable table;
    const quintix::TExpertFigures f = quintix::MeasureExpertFigures(
        table.BuildNow(), games, seed, static_cast<int>(std::max(1U, std::thread::hardware_concurrency())));
    std::printf("// Written by quintix-expert-figures %" PRId64 " %" PRIu64 "; do not edit.\n", games, seed);
    std::printf("#include \"computer/expert_figures.h\"\n\nnamespace quintix {\n\n");
    std::printf("const TExpertFigures& ShippedExpertFigures() {\n");
    std::printf("    static const TExpertFigures figures{%" PRId64 ", %" PRIu64
                ", %.17g, %.17g, %d, %d, %.17g, %.17g, {{",
                f.Games, f.Seed, f.Optimum, f.Mean, f.Best, f.Worst, f.UpperBonusRate, f.QuintixRate);
    for (std::size_t bin = 0; bin < f.Counts.size(); ++bin) {
        std::printf("%s%" PRId64, bin % 10 == 0 ? "\n        " : " ", f.Counts[bin]);
        std::printf("%s", bin + 1 < f.Counts.size() ? "," : "");
    }
    std::printf("\n    }}};\n    return figures;\n}\n\n}  // namespace quintix\n");
    return quintix::CloseOutput(Tool, stdout, "the figures") ? 0 : quintix::WriteFailedStatus;
}
