#pragma once

#include <string>

namespace fw {

// The folder of the running executable, with a trailing "/". The data files
// of the system lie there, never in the current directory.
std::string GetProgramFolder();

// Forces the numeric locale to "C" (decimal point "."), for printf-style
// formatting and parsing. Call it again after creating the Qt application
// object, which may set the locale from the environment.
void ForceCLocale();

} // namespace fw
