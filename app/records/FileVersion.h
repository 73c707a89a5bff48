#pragma once

#include "framework/Archive.h"

#include <cstdlib>
#include <string>

// The version of a project file as a number: the file's version text through
// the standard text-to-double conversion ("1.10" and "1.1" give 1.1, "1.15"
// gives 1.15). A loader sets it on the archive it reads from
// (fw::CArchive::SetReadVersion), so it lives exactly as long as that archive:
// no load can leave it behind for the next one, and an archive nobody set
// (paste, undo snapshots) reads the newest layout.

// The program's own file version: everything stored is written in this layout.
constexpr double kCurrentFileVersionNumber = 1.2;

inline double FileVersionNumber(const std::string& versionText) {
    return std::atof(versionText.c_str());
}

// The version of the file that the archive reads: records that gained fields
// in a later file version compare it with 1.1, 1.15 or 1.2 when they load.
inline double GetFileVersionNumber(const fw::CArchive& ar) {
    return ar.GetReadVersion();
}
