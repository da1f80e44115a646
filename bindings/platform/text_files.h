#pragma once
// Sequential text files by file number, shared by the program and the control libraries of one
// process. A file opened for reading is read byte by byte through a buffer; a file opened for
// writing is written beside its target and replaces it only when closed complete, so a crash or
// a full disk leaves the old file or the new one, never half of one.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform_export.h"

namespace korv {

// A file open for reading, with the byte-level access the line readers need.
class KORV_PLATFORM_EXPORT InputFile {
public:
    static std::unique_ptr<InputFile> open(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

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
    explicit InputFile(std::FILE* file);
    bool refill();

    std::FILE* file_;
    std::vector<unsigned char> buffer_;
    size_t pos_ = 0;
    size_t end_ = 0;
    int64_t base_ = 0;
    bool failed_ = false;
};

// The lowest file number not in use (1 to 255), or 0 when all are taken.
KORV_PLATFORM_EXPORT int32_t free_file();

// Opening fails (false) when the number is out of range or in use, or the file cannot be opened.
KORV_PLATFORM_EXPORT bool open_for_input(int32_t fnum, const std::string& path);
KORV_PLATFORM_EXPORT bool open_for_output(int32_t fnum, const std::string& path);

// The file open for reading under this number, or null.
KORV_PLATFORM_EXPORT InputFile* input_file(int32_t fnum);

// True at the end of a file open for reading, and for a number not open for reading.
KORV_PLATFORM_EXPORT bool at_end(int32_t fnum);

// The text up to a carriage return or a carriage-return/line-feed pair, which is consumed and not
// returned; a lone line feed does not end the line. Nothing at the end of the file.
KORV_PLATFORM_EXPORT std::optional<std::string> read_line(int32_t fnum);

// The next number of the file: blanks and line ends before it are skipped, and it ends at a blank,
// a comma or a line end. Blanks, then at most one comma, then blanks separate two numbers
// ("2.5 , 0.3048"); a second comma stands for an empty field, which is no number. Nothing at the
// end of the file, when the text there is no number, or when it runs longer than any number is
// written (1024 characters).
KORV_PLATFORM_EXPORT std::optional<double> read_number(int32_t fnum);

// Writes the text followed by a carriage return and a line feed.
KORV_PLATFORM_EXPORT bool write_line(int32_t fnum, std::string_view text);

// Closes the file. For a file open for writing this replaces the target with what was written;
// false when it could not be written whole (the target then keeps its earlier content).
KORV_PLATFORM_EXPORT bool close_file(int32_t fnum);

// Copies a file byte for byte; the copy is written beside its target and replaces it when whole.
KORV_PLATFORM_EXPORT bool copy_file(const std::string& from, const std::string& to);

KORV_PLATFORM_EXPORT bool file_exists(const std::string& path);
KORV_PLATFORM_EXPORT bool delete_file(const std::string& path);

}  // namespace korv
