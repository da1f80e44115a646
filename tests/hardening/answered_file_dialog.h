#pragma once
// Answers every file choice with one path while it lives, as a user picking that file would.

#include <QString>
#include <string>

#include "file_dialog.h"

namespace korv::testing {

class AnsweredFileDialog {
public:
    explicit AnsweredFileDialog(const std::string& path)
        : previous_(
              set_file_dialog([answer = QString::fromStdString(path)](const FileDialogRequest&) {
                  return std::optional<QString>(answer);
              })) {}
    ~AnsweredFileDialog() { set_file_dialog(std::move(previous_)); }
    AnsweredFileDialog(const AnsweredFileDialog&) = delete;
    AnsweredFileDialog& operator=(const AnsweredFileDialog&) = delete;

private:
    FileDialogFunction previous_;
};

}  // namespace korv::testing
