#include "ui/whole_file.h"

#include <QSaveFile>

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
    if (written && file.commit()) {
        return true;
    }
    if (reason != nullptr) {
        *reason = file.errorString();
    }
    file.cancelWriting();
    return false;
}

}  // namespace quintix
