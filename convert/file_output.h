#pragma once
// Where converted points go when OUTPUT names a file: the system's one output file
// (output_file.h), which replaces a regular file only when the conversion commits it, as the
// conversion's sink.

#include <memory>
#include <string>

#include "output_file.h"
#include "stream_conversion.h"

namespace korv::convert {

// True when `output` is the regular file `input` is, however either is named: another path, a
// symbolic or a hard link. "-" stands for standard input or standard output.
bool is_same_file(const std::string& input, const std::string& output);

class FileOutput : public ByteSink {
public:
    // The output to `target`, or an error naming it: a folder, a read-only file, or a folder
    // where no file can be written.
    static Result<std::unique_ptr<FileOutput>> create(const std::string& target);

    Status write(std::string_view bytes) override { return file_->write(bytes); }
    Status flush() override { return file_->flush(); }
    // Finishes the output: a regular file takes its target's place. After an error the target is
    // unchanged and the written file removed.
    Status commit() { return file_->commit(); }
    // True when the target is replaced only by `commit`, and dropping the output uncommitted
    // leaves it as it was; false for what is written into directly.
    bool replaces() const { return file_->replaces(); }

private:
    explicit FileOutput(std::unique_ptr<OutputFile> file) : file_(std::move(file)) {}

    std::unique_ptr<OutputFile> file_;
};

}  // namespace korv::convert
