#include "file_numbers.h"

#include <array>
#include <memory>

#include "line_reader.h"
#include "output_file.h"

namespace korv {
namespace {

constexpr int32_t kLowestFileNumber = 1;
constexpr int32_t kHighestFileNumber = 255;

struct OpenFile {
    std::unique_ptr<InputFile> input;
    std::unique_ptr<OutputFile> output;
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

}  // namespace

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
    Result<std::unique_ptr<OutputFile>> output = OutputFile::create(path);
    if (!output) {
        return false;
    }
    file->output = std::move(output).value();
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

std::string get_line(int32_t fnum) {
    InputFile* file = input_file(fnum);
    return file == nullptr ? std::string() : read_plain_line(*file).value_or(std::string());
}

std::string get_line_ch(int32_t fnum) {
    std::string line;
    if (InputFile* file = input_file(fnum)) {
        read_line_ch(*file, line);
    }
    return line;
}

std::string get_line_program(int32_t fnum) {
    std::string line;
    if (InputFile* file = input_file(fnum)) {
        read_line_program(*file, line);
    }
    return line;
}

std::optional<double> read_number(int32_t fnum) {
    InputFile* file = input_file(fnum);
    return file == nullptr ? std::nullopt : read_number(*file);
}

bool write_line(int32_t fnum, std::string_view text) {
    OpenFile* file = entry(fnum);
    // A line ends with a carriage return and a line feed, as the legacy file functions write it.
    return file != nullptr && file->output != nullptr && file->output->write(text) &&
           file->output->write("\r\n");
}

bool close_file(int32_t fnum) {
    OpenFile* file = entry(fnum);
    if (file == nullptr || !file->in_use()) {
        return false;
    }
    const bool complete =
        file->output != nullptr ? file->output->commit().ok() : !file->input->failed();
    file->input.reset();
    file->output.reset();
    return complete;
}

}  // namespace korv
