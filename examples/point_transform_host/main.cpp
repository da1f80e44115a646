// Shows the PointTransform control in a window with buttons that read and assign its transform.
//
//     point_transform_host --check
//
// creates the control without a window, assigns the example transform and prints what the
// control then holds; the exit status is 1 when the control cannot be created.

#include <QApplication>
#include <cstdio>

#include "host_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    korv::HostWindow window;
    if (QApplication::arguments().contains(QStringLiteral("--check"))) {
        const QString record = window.check();
        if (record.isEmpty()) {
            std::fprintf(stderr, "%s\n", window.creation_error().toUtf8().constData());
            return 1;
        }
        std::fputs(record.toUtf8().constData(), stdout);
        return 0;
    }
    window.show();
    return QApplication::exec();
}
