// The monkey on the game, every choice and every die taken from the fuzzer's bytes: the first bytes
// set up a series, the rest steer it, and once they run out the series is played on to its end. A
// broken invariant aborts with its message.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzzing/game_monkey.h"
#include "tests/support/table_providers.h"

namespace {

int Inputs = 0;
int SeriesEnds = 0;
int PeopleSeriesEnds = 0;  // of two or more people over two or more games

}  // namespace

// The solver's table, which expert players need, is built before the first input rather than
// inside one.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    quintix::testing::SharedTable();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quintix::TByteMonkeyInput input(data, size);
    // The end check plays whole computer series on dice of its own, which the bytes do not steer;
    // the soak runs it, and here the time goes to the events the fuzzer chooses.
    quintix::TGameMonkey monkey(input, {.CheckComputerSeriesEnd = false});
    monkey.OnViolation([](const std::string& message) {
        std::fprintf(stderr, "game invariant broken: %s\n", message.c_str());
        std::abort();
    });
    monkey.StartSeries();
    while (!input.Exhausted()) {
        monkey.Step();
    }
    const bool ended = monkey.PlayToSeriesEnd();
    if (monkey.Figures().Violations > 0) {
        std::abort();
    }
    const quintix::TGameState& s = monkey.State();
    const auto people = std::count_if(s.Players.begin(), s.Players.begin() + s.NoOfPlayers,
                                      [](const quintix::TPlayer& player) { return !player.Computer; });
    ++Inputs;
    SeriesEnds += ended ? 1 : 0;
    PeopleSeriesEnds += ended && people >= 2 && s.NoOfGames >= 2 ? 1 : 0;
    return 0;
}

// What the replay program reports after the inputs.
extern "C" const char* FuzzTargetTally() {
    static std::string tally;
    tally = "series ended " + std::to_string(SeriesEnds) + " of " + std::to_string(Inputs) + " inputs, " +
            std::to_string(PeopleSeriesEnds) + " with two or more people over two or more games";
    return tally.c_str();
}
