#include "FileVersion.h"

namespace {

// One user-interface thread reads documents, so one value serves.
double g_fileVersionNumber = kCurrentFileVersionNumber;

} // namespace

double GetFileVersionNumber() {
    return g_fileVersionNumber;
}

CFileVersionScope::CFileVersionScope(double versionNumber) : m_previous(g_fileVersionNumber) {
    g_fileVersionNumber = versionNumber;
}

CFileVersionScope::~CFileVersionScope() {
    g_fileVersionNumber = m_previous;
}

double GetFileVersionNumber(const fw::CArchive&) {
    return g_fileVersionNumber;
}
