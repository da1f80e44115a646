#include <QApplication>

#include "form_projections.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The name titles the message boxes; the window's title stays exactly as the dialog sets it
    // (a display name would be added to it).
    QApplication::setApplicationName(QStringLiteral("Quarrow"));

    korv::Form_projections form;
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
