#pragma once
// A file open for reading, read through a buffer of its own. Readers look at the bytes read
// ahead and consume what they use, so a line can be scanned without a call per byte.

#include <QFile>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace korv {

class InputFile {
public:
    // The file at `path`, or null when it cannot be opened (a folder is no file).
    static std::unique_ptr<InputFile> open(const std::string& path);

    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // The bytes read ahead and not yet consumed, reading more when none are left; empty at the
    // end of the file or after a read error.
    std::span<const unsigned char> buffered() {
        if (pos_ == end_ && !refill()) {
            return {};
        }
        return {buffer_.data() + pos_, end_ - pos_};
    }
    // Consumes `count` of the buffered bytes.
    void consume(size_t count) { pos_ += count; }

    // The next byte (0 to 255), or -1 at the end of the file or on a read error.
    int next() {
        if (pos_ == end_ && !refill()) {
            return -1;
        }
        return buffer_[pos_++];
    }
    bool at_end() { return pos_ == end_ && !refill(); }
    // Offset of the next byte from the start of the file.
    int64_t position() const { return base_ + static_cast<int64_t>(pos_); }
    bool set_position(int64_t offset);
    // True once reading failed for another reason than the end of the file.
    bool failed() const { return failed_; }

private:
    explicit InputFile(std::unique_ptr<QFile> file);
    bool refill();

    std::unique_ptr<QFile> file_;
    std::vector<unsigned char> buffer_;
    size_t pos_ = 0;
    size_t end_ = 0;
    int64_t base_ = 0;
    bool failed_ = false;
};

}  // namespace korv
