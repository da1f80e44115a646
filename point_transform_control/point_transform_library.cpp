#include "point_transform_library.h"

#include "point_transform.h"

namespace korv {

QWidget* PointTransformLibrary::create(const QString& class_name, QWidget* parent) {
    if (class_name != QStringLiteral("KorvPointTransform.PointTransform")) {
        return nullptr;
    }
    return new PointTransform(parent);
}

}  // namespace korv
