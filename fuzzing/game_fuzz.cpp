// The monkey on the game, every choice and every die taken from the fuzzer's bytes; a broken
// invariant aborts with its message.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzzing/game_monkey.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quintix::TByteMonkeyInput input(data, size);
    // The end check plays whole computer series on dice of its own, which the bytes do not steer;
    // the soak runs it, and here the time goes to the events the fuzzer chooses.
    quintix::TGameMonkey monkey(input, {.CheckComputerSeriesEnd = false});
    monkey.OnViolation([](const std::string& message) {
        std::fprintf(stderr, "game invariant broken: %s\n", message.c_str());
        std::abort();
    });
    while (!input.Exhausted()) {
        monkey.Step();
    }
    if (monkey.Figures().Violations > 0) {
        std::abort();
    }
    return 0;
}
