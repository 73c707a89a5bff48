#pragma once

// A generated project for the benchmarks: installations of a source, a
// transformer, a bus-bar, a zero conductor and three feeders of a cable and
// a consumer (10 elements each, 20 installations a row), half of the feeders
// grouped, the motors on a co-ordination graph. The elements are set up as
// when placed, from the model databases given to the models.

#include <string>

class CTovarineDocData;

namespace benchproject {

void Generate(CTovarineDocData& doc, int installations);

// Writes the project as the document saves it: its archive as the
// "Contents" stream of a compound file. Throws CCompoundFileException when
// the file cannot be written.
void SaveFile(CTovarineDocData& doc, const std::string& path);

} // namespace benchproject
