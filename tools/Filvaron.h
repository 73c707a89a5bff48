#pragma once

// The common tools: number and unit texts, paths of the files beside the
// program, database messages and the short-circuit coefficient tables.

#include "framework/Geometry.h"

#include <cstdint>
#include <string>

namespace fw {
class CDbException;
class IComboBox;
} // namespace fw

// Number and unit texts ("beams" are decimal places).
int DLLGetBeamsNumber(double value, int mode);
int DLLGetMaxBeamsNumber(double value1, double value2, double value3);
std::string DLLGetTextByBeams(double value, int noDataFlag);
std::string DLLGetTextByBeamsEx(double value, int minDigits, int noDataFlag);
std::string DLLGetTitleUnit(const std::string& title, const std::string& unit);
std::string DLLGetTitleUnitNotes(const std::string& title, const std::string& unit,
                                 const std::string& notes);

// Paths of the files that lie beside the running program.
std::string DLLGetPathRegistGroup();
std::string DLLGetPathHTMLHelp();
std::string DLLGetPathREDAZID();
std::string DLLGetPathDURUREVE();
std::string DLLGetPathDIRORAVE();
std::string DLLGetPathZedezuzi();

// Dial combo boxes: select the entry of a stored setting; a setting that is
// not among the entries is warned about as missing from the named table, and
// the selection is left alone (result -1).
int DLLSetFixedDialCombo(fw::IComboBox* box, const std::string& text, unsigned tableNameId);
int DLLSetContiDialCombo(fw::IComboBox* box, double value, unsigned tableNameId, int percentFlag);

namespace fw {
class CDC;
struct LOGFONT;
} // namespace fw

// Multi-line text of the skeleton's text boxes: lines end at CR LF, each is
// drawn below the one before from the rectangle's top-left corner; an empty
// line is as high as " ". The size is that of the widest line by the line
// heights, a CR LF at the very end counting as one more line.
void DLLDrawTextSkeleton(fw::CDC* dc, const std::string& text, const fw::CRect& rect,
                         const fw::LOGFONT* font, uint32_t colour);
fw::CSize DLLGetSizeText(fw::CDC* dc, const std::string& text, const fw::LOGFONT* font);

// Database messages.
void DLLDispDaoException(const fw::CDbException* e, const std::string& context);
// A reference database that could not be opened at path: the engine's
// message as DLLDispDaoException shows it, told so that a user can act on it:
// which database (its kind: "breaker", "curve", "list", "equipment"), where it
// is looked for, and what puts it there.
void DLLDispDatabaseOpenError(const fw::CDbException* e, const std::string& kind,
                              const std::string& path);
void DLLDispDatabaseWarning(unsigned tableNameId, const std::string& value);
void DLLDispDatabaseWarning(unsigned tableNameId, double value);

// Short-circuit coefficient tables.
double DLLGetValueKp(double current);
double DLLGetValuePowerFactor(double current);
double DLLGetValueEffectiveCoefficient(double t, double powerFactor);
