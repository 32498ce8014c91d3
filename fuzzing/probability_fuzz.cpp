// Arbitrary field values into the probability engine. Refusing them with ECombinationError is
// fine; a crash, undefined behaviour, any other exception or a hang is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "computer/combination.h"

namespace {

// Mostly small values, as the engine's bounds are: one byte each, read as a signed number, except
// that the byte 0x80 takes the next four bytes as a full 32-bit number.
class TFieldReader {
public:
    TFieldReader(const std::uint8_t* data, std::size_t size) : Data(data), Size(size) {}

    std::int32_t Next() {
        const std::uint8_t first = Byte();
        if (first != 0x80) {
            return static_cast<std::int8_t>(first);
        }
        std::uint32_t wide = 0;
        for (int i = 0; i < 4; ++i) {
            wide = wide << 8U | Byte();
        }
        return static_cast<std::int32_t>(wide);
    }

private:
    std::uint8_t Byte() { return Used < Size ? Data[Used++] : std::uint8_t{0}; }

    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t Used = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quintix::MaxGroups;
    TFieldReader fields(data, size);
    quintix::TCombination combination;
    combination.Rolled = fields.Next();
    combination.RandomInclusive = (fields.Next() & 1) != 0;
    combination.NoOfGroups = fields.Next();
    for (int i = 1; i <= MaxGroups; ++i) {
        combination.Needed[i] = fields.Next();
        combination.PossibleValues[i] = fields.Next();
    }
    const std::int32_t groups = combination.NoOfGroups;

    double first = 0;
    bool refused = false;
    try {
        first = combination.Probability();
    } catch (const quintix::ECombinationError&) {
        refused = true;
    }
    // The estimators rely on Needed beyond NoOfGroups being cleared, by a refused call too.
    for (int i = 1; i <= MaxGroups; ++i) {
        if (groups >= 1 && i > groups && combination.Needed[i] != 0) {
            std::abort();
        }
    }
    // Nothing is kept between calls, so a second call on the cleared fields gives the same.
    if (!refused && (std::isnan(first) || combination.Probability() != first)) {
        std::abort();
    }
    return 0;
}
