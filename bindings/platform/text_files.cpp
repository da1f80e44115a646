#include "text_files.h"

#include <sys/stat.h>
#include <QFile>
#include <QSaveFile>
#include <array>

#include "numeric_text.h"

namespace korv {
namespace {

constexpr int32_t kLowestFileNumber = 1;
constexpr int32_t kHighestFileNumber = 255;
constexpr size_t kReadBufferSize = 64 * 1024;

struct OpenFile {
    std::unique_ptr<InputFile> input;
    std::unique_ptr<QSaveFile> output;
    bool write_failed = false;
    bool in_use() const { return input != nullptr || output != nullptr; }
};

std::array<OpenFile, kHighestFileNumber + 1>& file_table() {
    static std::array<OpenFile, kHighestFileNumber + 1> table;
    return table;
}

OpenFile* entry(int32_t fnum) {
    if (fnum < kLowestFileNumber || fnum > kHighestFileNumber) {
        return nullptr;
    }
    return &file_table()[static_cast<size_t>(fnum)];
}

bool is_line_end(int c) {
    return c == '\r' || c == '\n';
}

}  // namespace

std::unique_ptr<InputFile> InputFile::open(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return nullptr;
    }
    struct stat info {};
    if (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return std::unique_ptr<InputFile>(new InputFile(file));
}

InputFile::InputFile(std::FILE* file) : file_(file), buffer_(kReadBufferSize) {}

InputFile::~InputFile() {
    std::fclose(file_);
}

bool InputFile::refill() {
    if (failed_) {
        return false;
    }
    base_ += static_cast<int64_t>(end_);
    pos_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (end_ == 0 && std::ferror(file_)) {
        failed_ = true;
    }
    return end_ > 0;
}

bool InputFile::set_position(int64_t offset) {
    if (offset >= base_ && offset <= position() + static_cast<int64_t>(end_ - pos_)) {
        pos_ = static_cast<size_t>(offset - base_);  // still inside the buffer
        return true;
    }
    if (offset < 0 || fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0) {
        return false;
    }
    base_ = offset;
    pos_ = end_ = 0;
    std::clearerr(file_);
    return true;
}

int32_t free_file() {
    for (int32_t fnum = kLowestFileNumber; fnum <= kHighestFileNumber; ++fnum) {
        if (!entry(fnum)->in_use()) {
            return fnum;
        }
    }
    return 0;
}

bool open_for_input(int32_t fnum, const std::string& path) {
    OpenFile* file = entry(fnum);
    if (file == nullptr || file->in_use()) {
        return false;
    }
    file->input = InputFile::open(path);
    return file->input != nullptr;
}

bool open_for_output(int32_t fnum, const std::string& path) {
    OpenFile* file = entry(fnum);
    if (file == nullptr || file->in_use()) {
        return false;
    }
    auto output = std::make_unique<QSaveFile>(QString::fromStdString(path));
    if (!output->open(QIODevice::WriteOnly)) {
        return false;
    }
    file->output = std::move(output);
    file->write_failed = false;
    return true;
}

InputFile* input_file(int32_t fnum) {
    OpenFile* file = entry(fnum);
    return file == nullptr ? nullptr : file->input.get();
}

bool at_end(int32_t fnum) {
    InputFile* file = input_file(fnum);
    return file == nullptr || file->at_end();
}

std::optional<std::string> read_line(int32_t fnum) {
    InputFile* file = input_file(fnum);
    if (file == nullptr || file->at_end()) {
        return std::nullopt;
    }
    std::string line;
    for (int c = file->next(); c != -1; c = file->next()) {
        if (c == '\r') {
            const int64_t after_return = file->position();
            if (file->next() != '\n') {
                file->set_position(after_return);
            }
            break;
        }
        line.push_back(static_cast<char>(c));
    }
    return line;
}

std::optional<double> read_number(int32_t fnum) {
    InputFile* file = input_file(fnum);
    if (file == nullptr) {
        return std::nullopt;
    }
    int c = file->next();
    while (c == ' ' || c == '\t' || is_line_end(c)) {
        c = file->next();
    }
    // No number is longer than this; a longer run of characters is read to its end but not kept.
    constexpr size_t kLongestNumber = 1024;
    std::string token;
    bool too_long = false;
    while (c != -1 && c != ' ' && c != '\t' && c != ',' && !is_line_end(c)) {
        if (token.size() < kLongestNumber) {
            token.push_back(static_cast<char>(c));
        } else {
            too_long = true;
        }
        c = file->next();
    }
    if (c == '\r') {  // a line end ends the number and is consumed whole
        const int64_t after_return = file->position();
        if (file->next() != '\n') {
            file->set_position(after_return);
        }
    }
    if (c == ' ' || c == '\t') {
        // Blanks and one comma after them are one separator ("2.5 ,0.3048"): the comma is taken
        // here, so the next number does not read as the empty field before it.
        int64_t after_blanks = file->position();
        for (c = file->next(); c == ' ' || c == '\t'; c = file->next()) {
            after_blanks = file->position();
        }
        if (c != ',') {
            file->set_position(after_blanks);
        }
    }
    if (too_long || !is_numeric(token)) {
        return std::nullopt;
    }
    return leading_number(token);
}

bool write_line(int32_t fnum, std::string_view text) {
    OpenFile* file = entry(fnum);
    if (file == nullptr || file->output == nullptr) {
        return false;
    }
    std::string line(text);
    line += "\r\n";
    if (file->output->write(line.data(), static_cast<qint64>(line.size())) !=
        static_cast<qint64>(line.size())) {
        file->write_failed = true;
    }
    return !file->write_failed;
}

bool close_file(int32_t fnum) {
    OpenFile* file = entry(fnum);
    if (file == nullptr || !file->in_use()) {
        return false;
    }
    bool complete = true;
    if (file->output != nullptr) {
        // A write error may show only when the buffer is flushed, and commit() would not notice
        // it: flush first, so a full disk never puts a cut-off file in place of the old one.
        if (file->write_failed || !file->output->flush()) {
            file->write_failed = true;
            file->output->cancelWriting();
        }
        complete = file->output->commit() && !file->write_failed;
    } else {
        complete = !file->input->failed();
    }
    file->input.reset();
    file->output.reset();
    return complete;
}

bool copy_file(const std::string& from, const std::string& to) {
    QFile source(QString::fromStdString(from));
    QSaveFile target(QString::fromStdString(to));
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly)) {
        return false;
    }
    std::vector<char> chunk(kReadBufferSize);
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
    if (!target.flush()) {
        target.cancelWriting();
    }
    return target.commit();
}

bool file_exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool delete_file(const std::string& path) {
    return QFile::remove(QString::fromStdString(path));
}

}  // namespace korv
