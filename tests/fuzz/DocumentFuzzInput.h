#pragma once

#include <cstddef>
#include <cstdint>

// Reads one fuzz input as the "Contents" stream of a project file into the
// document data, as the document does when it opens a file: the archive
// from the bytes, the document's Serialize, and a stream with bytes left
// over refused. A refused stream (an archive error) resets the document, as
// the windowing document does after a failed load. An accepted one is
// stored, loaded into a second document and stored again: the two stored
// forms must agree byte for byte. Then it is drawn as the views draw an
// opened project (skeleton and impedance map, with their labels; a widget-
// less GUI application must exist), and a one-level undo snapshot is taken
// and put back. Any other fault (a crash, a leak,
// another exception, a store that does not read back) stops the run.
void RunDocumentFuzzInput(const uint8_t* data, size_t size);
