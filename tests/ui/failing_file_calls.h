#pragma once

namespace quintix::testing {

// The last steps of writing a file, made to fail with EIO (an input/output error) for the whole
// test program, Qt's own calls included: the sync to disk, or the link or rename that gives the
// file its name.
enum class TFileStep { None, Sync, Naming };
void FailFileStep(TFileStep step);

}  // namespace quintix::testing
