#pragma once
// The program's way to the conversion engine: the plugin of the library "QuarrowConvert", bound by
// name on first use. Starting the program loads neither the engine nor the projection engine
// behind it; the first point or file converted does.

#include "conversion_engine.h"
#include "result.h"

namespace korv {

// The engine, loaded on the first call and kept for the rest of the run; an error saying why
// when no usable library is found. Called on the user-interface thread.
Result<convert::ConversionEngine*> conversion_engine();

}  // namespace korv
