#include "output_file.h"

namespace korv {

std::unique_ptr<OutputFile> OutputFile::create(const std::string& path) {
    auto file = std::make_unique<QSaveFile>(QString::fromStdString(path));
    if (!file->open(QIODevice::WriteOnly)) {
        return nullptr;
    }
    return std::unique_ptr<OutputFile>(new OutputFile(std::move(file)));
}

bool OutputFile::write_line(std::string_view text) {
    line_.assign(text);
    line_ += "\r\n";
    if (!failed_ && file_->write(line_.data(), static_cast<qint64>(line_.size())) !=
                        static_cast<qint64>(line_.size())) {
        failed_ = true;
    }
    return !failed_;
}

bool OutputFile::commit() {
    // A write error may show only when the buffer is flushed, and commit() would not notice it:
    // flush first, so a full disk never puts a cut-off file in place of the old one.
    if (failed_ || !file_->flush()) {
        failed_ = true;
        file_->cancelWriting();
    }
    return file_->commit() && !failed_;
}

}  // namespace korv
