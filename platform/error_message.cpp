#include "error_message.h"

#include <QCoreApplication>

#include "error_text.h"

namespace korv {

QString error_message(const Error& error) {
    const std::string_view text = error_text(error.code);
    const QString translated =
        QCoreApplication::translate("korv::Errors", std::string(text).c_str());
    return QString::fromStdString(fill_in(translated.toStdString(), error.values));
}

}  // namespace korv
