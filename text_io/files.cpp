#include "files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

namespace korv {

bool file_exists(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isFile();
}

bool copy_file(const std::string& from, const std::string& to) {
    QFile source(QString::fromStdString(from));
    QSaveFile target(QString::fromStdString(to));
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly)) {
        return false;
    }
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        const qint64 got = source.read(chunk.data(), static_cast<qint64>(chunk.size()));
        if (got < 0) {
            target.cancelWriting();
            break;
        }
        if (got == 0) {
            break;
        }
        if (target.write(chunk.data(), got) != got) {
            target.cancelWriting();
            break;
        }
    }
    // A write error may show only at the flush; commit() alone would not notice it.
    if (!target.flush()) {
        target.cancelWriting();
    }
    return target.commit();
}

bool delete_file(const std::string& path) {
    return QFile::remove(QString::fromStdString(path));
}

}  // namespace korv
