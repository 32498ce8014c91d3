#pragma once

#include <QByteArray>
#include <QString>

namespace quintix {

// Replaces the file at `path` with `contents`, whole or not at all: the bytes go to a temporary
// file beside it, which takes the name only once every byte is written and synced to disk. A full
// disk, a missing folder, or a failed sync or naming leaves an old file as it was and nothing
// half-written behind. False, with the system's reason in `reason`, when the file could not be
// written.
bool WriteWholeFile(const QString& path, const QByteArray& contents, QString* reason);

}  // namespace quintix
