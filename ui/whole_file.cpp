#include "ui/whole_file.h"

#include <QSaveFile>
#include <cerrno>

#include <unistd.h>

namespace quintix {

bool WriteWholeFile(const QString& path, const QByteArray& contents, QString* reason) {
    // Unbuffered, so that a failing write fails at once with the system's reason. A short write is
    // no error to QSaveFile, nor is a failed last flush of its buffer: it would still commit the
    // cut-off file. So every byte is written and counted here, and the file is committed only then.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 done = 0; written && done < contents.size();) {
        const qint64 step = file.write(contents.constData() + done, contents.size() - done);
        written = step > 0;
        done += step;
    }
    // QSaveFile syncs before it renames, but goes on when the sync fails: the bytes the disk did not
    // take would replace the old file. So the sync is made here first, where its failure counts.
    QString failure;
    if (!written) {
        failure = file.errorString();
    } else if (fdatasync(file.handle()) != 0) {
        failure = qt_error_string(errno);
    } else if (file.commit()) {
        return true;
    } else {
        failure = file.errorString();
    }
    if (reason != nullptr) {
        *reason = failure;
    }
    file.cancelWriting();
    return false;
}

}  // namespace quintix
