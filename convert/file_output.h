#pragma once
// Where converted points go when OUTPUT names a file. A regular file is written beside itself
// ("<file>.<number>.part") and takes its place only by `commit`, with its permissions and, where
// the system allows, its owner: until then it keeps what it held (or stays absent), an output
// dropped uncommitted is removed, and one killed midway leaves only the ".part" file. A symbolic
// link stays a link: the file it leads to is replaced. What exists and is no regular file (a
// device such as /dev/null, a FIFO, a terminal) cannot be replaced and is written into directly.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

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
    ~FileOutput() override;
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    Status write(std::string_view bytes) override;
    Status flush() override;
    // Finishes the output: a regular file takes its target's place. After an error the target is
    // unchanged and the written file removed.
    Status commit();
    // True when the target is replaced only by `commit`, and dropping the output uncommitted
    // leaves it as it was; false for what is written into directly.
    bool replaces() const { return !written_.empty(); }

private:
    FileOutput(std::FILE* file, std::string target, std::filesystem::path place,
               std::string written)
        : file_(file),
          target_(std::move(target)),
          place_(std::move(place)),
          written_(std::move(written)) {}
    void discard();

    std::FILE* file_;
    std::string target_;           // as given, for messages
    std::filesystem::path place_;  // the file replaced or written: the target, its links followed
    std::string written_;          // the file written beside it; empty when written directly
};

}  // namespace korv::convert
