// These definitions stand in front of the C library's: the test program's own symbols come first
// for every library it loads. Each passes on to the next definition unless its step is to fail.
#include "tests/ui/failing_file_calls.h"

#include <dlfcn.h>

#include <cerrno>

namespace quintix::testing {
namespace {

TFileStep Failing = TFileStep::None;

bool Fails(TFileStep step) {
    if (Failing != step) {
        return false;
    }
    errno = EIO;
    return true;
}

template <typename TFunction>
TFunction* Next(const char* name) {
    return reinterpret_cast<TFunction*>(dlsym(RTLD_NEXT, name));
}

}  // namespace

void FailFileStep(TFileStep step) {
    Failing = step;
}

}  // namespace quintix::testing

using quintix::testing::Fails;
using quintix::testing::Next;
using quintix::testing::TFileStep;

extern "C" {

int fdatasync(int fd) {
    return Fails(TFileStep::Sync) ? -1 : Next<int(int)>("fdatasync")(fd);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) noexcept {
    return Fails(TFileStep::Naming) ? -1
                                    : Next<int(int, const char*, int, const char*, int)>("linkat")(
                                          fromDir, from, toDir, to, flags);
}

int rename(const char* from, const char* to) noexcept {
    return Fails(TFileStep::Naming) ? -1 : Next<int(const char*, const char*)>("rename")(from, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags) noexcept {
    return Fails(TFileStep::Naming) ? -1
                                    : Next<int(int, const char*, int, const char*, unsigned int)>(
                                          "renameat2")(fromDir, from, toDir, to, flags);
}
}
