#include <QApplication>

#include "datum_list_place.h"
#include "form_projections.h"
#include "information_options.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = korv::answer_information_options(argc, argv)) {
        return *status;
    }
    QApplication application(argc, argv);
    // The names place the user's data folder and title the message boxes; the window's title
    // stays exactly as the dialog sets it (a display name would be added to it).
    korv::set_application_names();

    korv::Form_projections form;
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
