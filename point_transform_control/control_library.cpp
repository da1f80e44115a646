// The entry point through which hosts create this library's control by its class name.

#include <QWidget>
#include <cstring>

#include "point_transform.h"

extern "C" Q_DECL_EXPORT QWidget* korv_create_control(const char* class_name, QWidget* parent) {
    if (class_name != nullptr &&
        std::strcmp(class_name, "KorvPointTransform.PointTransform") == 0) {
        return new korv::PointTransform(parent);
    }
    return nullptr;
}
