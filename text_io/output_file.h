#pragma once
// A text file being written: lines end with a carriage return and a line feed. It is written
// beside its target and replaces it only when committed complete, so a crash or a full disk leaves
// the old file or the new one, never half of one.

#include <QSaveFile>
#include <memory>
#include <string>
#include <string_view>

namespace korv {

class OutputFile {
public:
    // The file that will replace `path`, or null when it cannot be created.
    static std::unique_ptr<OutputFile> create(const std::string& path);

    // Writes the text followed by a carriage return and a line feed; false once writing failed.
    bool write_line(std::string_view text);

    // Replaces the target with what was written; false when it could not be written whole (the
    // target then keeps its earlier content). Without a commit nothing replaces the target.
    bool commit();

private:
    explicit OutputFile(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}

    std::unique_ptr<QSaveFile> file_;
    std::string line_;
    bool failed_ = false;
};

}  // namespace korv
