#pragma once
// The one way the system writes a file. A regular file is written beside its target
// ("<target>.<number>.part") and takes its place only by `commit`, with the target's permissions
// and, where the system allows, its owner: until then the target keeps what it held (or stays
// absent), a crash or a full disk never leaves half a file in its place, an output dropped
// uncommitted is removed, and one killed midway leaves only the ".part" file. A symbolic link
// stays a link: the file it leads to is replaced. What exists and is no regular file (a device
// such as /dev/null, a FIFO, a terminal) cannot be replaced and is written into directly. A
// read-only target is refused, as writing into it would be. Bytes are written as given: line ends
// are the writer's format.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "result.h"

namespace korv {

class OutputFile {
public:
    // The output to `target` (a path in UTF-8), or an error naming it: a folder, a read-only
    // file, a folder where no file can be written.
    static Result<std::unique_ptr<OutputFile>> create(const std::string& target);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Writes all of `bytes`, or tells why it cannot; after a failed write the output can no
    // longer be committed.
    Status write(std::string_view bytes);
    // Passes what was written on at once.
    Status flush();
    // Finishes the output: a regular file takes its target's place. After an error the target is
    // unchanged and the written file removed. Nothing can be written after it.
    Status commit();
    // True when the target is replaced only by `commit`, and dropping the output uncommitted
    // leaves it as it was; false for what is written into directly.
    bool replaces() const { return !written_.empty(); }

private:
    OutputFile(std::FILE* file, std::string target, std::filesystem::path place,
               std::filesystem::path written)
        : file_(file),
          target_(std::move(target)),
          place_(std::move(place)),
          written_(std::move(written)) {}
    void discard();

    std::FILE* file_;
    std::string target_;             // as given, for messages
    std::filesystem::path place_;    // the file replaced or written: the target, links followed
    std::filesystem::path written_;  // the file written beside it; empty when written directly
    bool failed_ = false;            // a write failed: what was written is not whole
};

}  // namespace korv
