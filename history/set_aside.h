#pragma once

#include <cstdint>
#include <string>

namespace quintix {

// Renames a database file that must not be used, with its -wal and -shm beside it, to
// "<path>.<why>-<UTC date and time>" (numbered when that name is taken), so that nothing is thrown
// away. Gives the new name, or an empty one with the reason in error.
std::string SetAside(const std::string& path, const std::string& why, std::int64_t now, std::string& error);

}  // namespace quintix
