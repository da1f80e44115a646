#pragma once
// The conversion's ends on files: reading a named file or standard input, writing standard output
// or a file that takes its target's place only when it is complete.

#include <cstdio>
#include <memory>
#include <string>

#include "stream_conversion.h"

namespace korv::convert {

class FileSource : public ByteSource {
public:
    // The file at `path`, or an error saying why it cannot be read.
    static Result<std::unique_ptr<FileSource>> open(const std::string& path);
    // Standard input; `interactive` when someone types it, so each line is converted at once.
    static std::unique_ptr<FileSource> standard_input(bool interactive);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    Result<std::size_t> read(char* buffer, std::size_t size) override;
    std::optional<std::uint64_t> size() const override { return size_; }
    bool interactive() const override { return interactive_; }

private:
    FileSource(std::FILE* file, bool owned, bool interactive, std::optional<std::uint64_t> size)
        : file_(file), owned_(owned), interactive_(interactive), size_(size) {}

    std::FILE* file_;
    bool owned_;
    bool interactive_;
    std::optional<std::uint64_t> size_;
};

class StandardOutput : public ByteSink {
public:
    Status write(std::string_view bytes) override;
    Status flush() override;
};

// A file written beside its target ("<target>.<number>.part") and renamed over it by `commit`
// only when complete. Until then the target keeps what it held (or stays absent); an output file
// that is dropped uncommitted is removed, and one killed midway leaves only the ".part" file.
class OutputFile : public ByteSink {
public:
    static Result<std::unique_ptr<OutputFile>> create(const std::string& target);
    ~OutputFile() override;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    Status write(std::string_view bytes) override;
    // Closes the file and puts it in the target's place, with the target's permissions when it
    // existed. After an error the target is unchanged and the written file removed.
    Status commit();

private:
    OutputFile(std::FILE* file, std::string target, std::string written)
        : file_(file), target_(std::move(target)), written_(std::move(written)) {}
    void discard();

    std::FILE* file_;
    std::string target_;
    std::string written_;
};

}  // namespace korv::convert
