#pragma once
// What a test needs to run the system without touching the user's machine: messages recorded
// instead of shown, and the settings store and the program's folder in a temporary folder.

#include <QStringList>
#include <QTemporaryDir>
#include <string>

#include "message_box.h"

namespace korv::testing {

// Records every message while it lives.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QStringList& messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    QStringList messages_;
    MessageSink previous_;
};

// A temporary folder that holds the settings store and serves as the program's folder.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    QString folder() const { return folder_.path(); }
    std::string path(const QString& name) const;
    // The settings file the store writes for "Halvern\Quarrtool".
    QString settings_file() const;

private:
    QTemporaryDir folder_;
};

// The whole content of a file, or an empty text when it cannot be read.
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& content);

}  // namespace korv::testing
