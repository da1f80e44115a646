#include "error_message.h"

#include <QCoreApplication>

#include "error_text.h"
#include "translations.h"

namespace korv {

QString error_message(const Error& error) {
    // The words of failures are translated once for every host, in a file of their own.
    install_translation(QStringLiteral("korv_errors"));
    return QString::fromStdString(worded(error, [](ErrorCode code) {
        return QCoreApplication::translate("korv::Errors", std::string(error_text(code)).c_str())
            .toStdString();
    }));
}

}  // namespace korv
