#pragma once
#include <QtCore/qglobal.h>

#if defined(KORV_PLATFORM_LIBRARY)
#define KORV_PLATFORM_EXPORT Q_DECL_EXPORT
#else
#define KORV_PLATFORM_EXPORT Q_DECL_IMPORT
#endif
