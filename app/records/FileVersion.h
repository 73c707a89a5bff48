#pragma once

// The version of the project file being read, as a number ("1.15" gives
// 1.15). Records that gained fields in a later file version compare it with
// 1.1, 1.15 or 1.2 when they load. Outside a load it is the program's own
// file version, 1.2, so that everything stored or copied uses the newest
// layout.

namespace fw {
class CArchive;
}

constexpr double kCurrentFileVersionNumber = 1.2;

double GetFileVersionNumber();

// The version of the file that the archive reads. Records ask through this
// one call, so that the version can travel with the archive instead of
// living beside it.
double GetFileVersionNumber(const fw::CArchive& ar);

// The document load sets the version of the file it reads for as long as the
// scope lives and puts the previous value back afterwards, also when the load
// fails part-way.
class CFileVersionScope {
public:
    explicit CFileVersionScope(double versionNumber);
    ~CFileVersionScope();
    CFileVersionScope(const CFileVersionScope&) = delete;
    CFileVersionScope& operator=(const CFileVersionScope&) = delete;

private:
    double m_previous;
};
