#include "tools/line_reader.h"

namespace quintix {

TLineReader::TResult TLineReader::Next(std::string& line) {
    line.clear();
    bool readAny = false;
    bool tooLong = false;
    for (;;) {
        // One byte at a time from the stream's buffer: a block read could wait for input beyond the
        // line that the other end of a pipe is still waiting to have answered.
        const int c = std::getc(In);
        if (c == EOF) {
            if (std::ferror(In) != 0) {
                return TResult::Failed;
            }
            if (!readAny) {
                return TResult::End;
            }
            break;
        }
        readAny = true;
        if (c == '\n') {
            break;
        }
        if (tooLong) {
            continue;
        }
        if (line.size() == MaxLength) {
            tooLong = true;
            line.clear();
            continue;
        }
        line.push_back(static_cast<char>(c));
    }
    return tooLong ? TResult::TooLong : TResult::Line;
}

}  // namespace quintix
