#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace quintix {

// Reads a stream line by line without ever holding more than maxLength bytes of a line: the rest of a
// longer line is read and dropped, so that no input, however long its lines, can exhaust memory.
// Reads only as far as the line asked for, so that a program answering line by line can talk with
// another one through pipes.
class TLineReader {
public:
    enum class TResult {
        Line,     // line holds the next line, without its '\n'
        TooLong,  // the next line was longer than maxLength and has been skipped; line is empty
        End,      // no more lines
        Failed,   // reading failed (errno tells why); nothing more will be read
    };

    TLineReader(std::FILE* in, std::size_t maxLength) : In(in), MaxLength(maxLength) {}

    TResult Next(std::string& line);

private:
    std::FILE* In;
    std::size_t MaxLength;
};

}  // namespace quintix
