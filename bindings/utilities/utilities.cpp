#include "utilities.h"

#include <QDir>

#include "angle_text.h"
#include "field_split.h"
#include "file_dialog.h"

namespace korv {

void Utilities::select_open_file(std::string& file_name, const std::string& filter,
                                 const std::string& title, int32_t& ierr) {
    const std::optional<QString> chosen =
        choose_file_to_open(QString::fromStdString(title), QString::fromStdString(filter),
                            QString::fromStdString(file_name));
    ierr = chosen ? 0 : -1;
    if (chosen) {
        file_name = chosen->toStdString();
    }
}

void Utilities::select_save_file(std::string& file_name, const std::string& extension,
                                 const std::string& filter, const std::string& title,
                                 int32_t& ierr) {
    const std::optional<QString> chosen =
        choose_file_to_save(QString::fromStdString(title), QString::fromStdString(filter),
                            QString::fromStdString(file_name), QString::fromStdString(extension));
    ierr = chosen ? 0 : -1;
    if (chosen) {
        file_name = chosen->toStdString();
    }
}

void Utilities::split_fields(int32_t& count, std::string_view line, std::string_view separator,
                             std::vector<std::string>& fields) {
    std::vector<std::string> found = korv::split_fields(line, separator);
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
