#include "error_message.h"

#include <QCoreApplication>

#include "error_text.h"

namespace korv {

QString error_message(const Error& error) {
    return QString::fromStdString(worded(error, [](ErrorCode code) {
        return QCoreApplication::translate("korv::Errors", std::string(error_text(code)).c_str())
            .toStdString();
    }));
}

}  // namespace korv
