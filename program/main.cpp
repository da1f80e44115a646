#include <QApplication>

#include "form_projections.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Quarrow"));

    korv::Form_projections form;
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
