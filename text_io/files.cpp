#include "files.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

#include "output_file.h"

namespace korv {

bool file_exists(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isFile();
}

bool copy_file(const std::string& from, const std::string& to) {
    QFile source(QString::fromStdString(from));
    if (!source.open(QIODevice::ReadOnly)) {
        return false;
    }
    const Result<std::unique_ptr<OutputFile>> target = OutputFile::create(to);
    if (!target) {
        return false;
    }
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        const qint64 got = source.read(chunk.data(), static_cast<qint64>(chunk.size()));
        if (got < 0) {
            return false;  // the copy beside the target goes with it
        }
        if (got == 0) {
            return (*target)->commit().ok();
        }
        if (!(*target)->write({chunk.data(), static_cast<size_t>(got)})) {
            return false;
        }
    }
}

bool delete_file(const std::string& path) {
    return QFile::remove(QString::fromStdString(path));
}

}  // namespace korv
