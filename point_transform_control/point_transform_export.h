#pragma once
#include <QtCore/qglobal.h>

#if defined(KORV_POINT_TRANSFORM_LIBRARY)
#define KORV_POINT_TRANSFORM_EXPORT Q_DECL_EXPORT
#else
#define KORV_POINT_TRANSFORM_EXPORT Q_DECL_IMPORT
#endif
