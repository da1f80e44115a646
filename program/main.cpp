#include <QApplication>

#include "datum_list_place.h"
#include "form_projections.h"
#include "information_options.h"
#include "translations.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = korv::answer_information_options(argc, argv)) {
        return *status;
    }
    QApplication application(argc, argv);
    // The names place the user's data folder and title the message boxes; the window's title
    // stays exactly as the dialog sets it (a display name would be added to it).
    korv::set_application_names();
    // The user's language: Qt's own texts (standard buttons) and the dialog's.
    korv::install_translation(QStringLiteral("qtbase"));
    korv::install_translation(QStringLiteral("quarrow"));

    korv::Form_projections form;
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
