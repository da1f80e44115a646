#pragma once
#include <QtCore/qglobal.h>

#if defined(KORV_UTILITIES_LIBRARY)
#define KORV_UTILITIES_EXPORT Q_DECL_EXPORT
#else
#define KORV_UTILITIES_EXPORT Q_DECL_IMPORT
#endif
