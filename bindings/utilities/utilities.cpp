#include "utilities.h"

#include <QDir>

#include "angle_text.h"
#include "file_dialog.h"

namespace korv {
namespace {

std::string trim_blanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// Fields separated by blanks and commas: a run of blanks is one separator, a comma always ends a
// field (so ",," holds an empty field), and blanks around a comma belong to it.
std::vector<std::string> split_blanks_and_commas(std::string_view line) {
    std::vector<std::string> fields;
    size_t i = 0;
    const size_t n = line.size();
    auto skip_blanks = [&] {
        while (i < n && (line[i] == ' ' || line[i] == '\t')) {
            ++i;
        }
    };
    skip_blanks();
    if (i == n) {
        return fields;
    }
    while (true) {
        const size_t start = i;
        while (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != ',') {
            ++i;
        }
        fields.emplace_back(line.substr(start, i - start));
        skip_blanks();
        if (i == n) {
            break;
        }
        if (line[i] == ',') {
            ++i;
            skip_blanks();
        }
    }
    return fields;
}

std::vector<std::string> split_on(std::string_view line, std::string_view separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t at = line.find(separator, start);
        fields.push_back(trim_blanks(line.substr(start, at - start)));
        if (at == std::string_view::npos) {
            break;
        }
        start = at + separator.size();
    }
    return fields;
}

}  // namespace

void Utilities::select_open_file(std::string& file_name, const std::string& filter,
                                 const std::string& title, int32_t& ierr) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::kOpen;
    request.title = QString::fromStdString(title);
    request.filter = dialog_filter(QString::fromStdString(filter));
    request.file_name = QString::fromStdString(file_name);
    const std::optional<QString> chosen = choose_file(request);
    ierr = chosen ? 0 : -1;
    if (chosen) {
        file_name = chosen->toStdString();
    }
}

void Utilities::select_save_file(std::string& file_name, const std::string& extension,
                                 const std::string& filter, const std::string& title,
                                 int32_t& ierr) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::kSave;
    request.title = QString::fromStdString(title);
    request.filter = dialog_filter(QString::fromStdString(filter));
    request.file_name = QString::fromStdString(file_name);
    request.default_suffix = QString::fromStdString(extension);
    const std::optional<QString> chosen = choose_file(request);
    ierr = chosen ? 0 : -1;
    if (chosen) {
        file_name = chosen->toStdString();
    }
}

void Utilities::split_fields(int32_t& count, std::string_view line, std::string_view separator,
                             std::vector<std::string>& fields) {
    std::vector<std::string> found =
        separator.empty() ? split_blanks_and_commas(line) : split_on(line, separator);
    const size_t room = fields.empty() ? 0 : fields.size() - 1;
    if (found.size() > room) {
        found.resize(room);
    }
    for (size_t i = 0; i < found.size(); ++i) {
        fields[i + 1] = std::move(found[i]);
    }
    count = static_cast<int32_t>(found.size());
}

void Utilities::restore_directory(const std::string& directory) {
    QDir::setCurrent(QString::fromStdString(directory));
}

void Utilities::init_coord_system(CoordSystem& record) {
    record = CoordSystem{};
}

bool Utilities::parse_angle(std::string_view text, double& value, int32_t kind) {
    const std::optional<double> degrees = angle_from_text(text, kind);
    value = degrees.value_or(0.0);
    return degrees.has_value();
}

void Utilities::format_angle(double value, std::string& text, int32_t /*kind*/) {
    text = angle_to_text(value);
}

std::string current_directory() {
    return QDir::currentPath().toStdString();
}

}  // namespace korv
