#include "test_sandbox.h"

#include <QDir>
#include <fstream>
#include <sstream>

#include "program_folder.h"
#include "settings_store.h"

namespace korv::testing {

MessageRecorder::MessageRecorder()
    : previous_(set_message_sink([this](const QString& text) { messages_ << text; })) {}

MessageRecorder::~MessageRecorder() {
    set_message_sink(std::move(previous_));
}

Sandbox::Sandbox() {
    set_settings_folder(folder_.path());
    set_program_folder(folder_.path());
}

Sandbox::~Sandbox() {
    set_settings_folder({});
    set_program_folder({});
}

std::string Sandbox::path(const QString& name) const {
    return QDir(folder_.path()).filePath(name).toStdString();
}

QString Sandbox::settings_file() const {
    return QDir(folder_.path()).filePath(QStringLiteral("Halvern/Quarrtool.conf"));
}

std::string read_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void write_file(const std::string& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
}

}  // namespace korv::testing
