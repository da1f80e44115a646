#include "input_file.h"

namespace korv {
namespace {

constexpr size_t kReadBufferSize = 64 * 1024;

}  // namespace

std::unique_ptr<InputFile> InputFile::open(const std::string& path) {
    auto file = std::make_unique<QFile>(QString::fromStdString(path));
    // Qt refuses to open a folder for reading, as it should.
    if (!file->open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    return std::unique_ptr<InputFile>(new InputFile(std::move(file)));
}

InputFile::InputFile(std::unique_ptr<QFile> file)
    : file_(std::move(file)), buffer_(kReadBufferSize) {}

bool InputFile::refill() {
    if (failed_) {
        return false;
    }
    base_ += static_cast<int64_t>(end_);
    pos_ = 0;
    end_ = 0;
    const qint64 got =
        file_->read(reinterpret_cast<char*>(buffer_.data()), static_cast<qint64>(buffer_.size()));
    if (got < 0) {
        failed_ = true;
        return false;
    }
    end_ = static_cast<size_t>(got);
    return end_ > 0;
}

bool InputFile::set_position(int64_t offset) {
    if (offset >= base_ && offset <= base_ + static_cast<int64_t>(end_)) {
        pos_ = static_cast<size_t>(offset - base_);  // still inside the buffer
        return true;
    }
    if (offset < 0 || !file_->seek(offset)) {
        return false;
    }
    base_ = offset;
    pos_ = end_ = 0;
    return true;
}

}  // namespace korv
