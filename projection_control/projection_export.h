#pragma once
#include <QtCore/qglobal.h>

#if defined(KORV_PROJECTION_LIBRARY)
#define KORV_PROJECTION_EXPORT Q_DECL_EXPORT
#else
#define KORV_PROJECTION_EXPORT Q_DECL_IMPORT
#endif
