#pragma once
// The conversion's ends on the standard streams and on the file it reads; file_output.h writes
// files.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

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

}  // namespace korv::convert
