#pragma once

#include <cstddef>
#include <cstdint>

// Reads one fuzz input as the "Contents" stream of a catalogue document, as
// the catalogue program opens a file: its own version record and the versions
// it accepts, the document's Serialize into a scratch copy. A refused stream
// (an archive error) leaves the document as it was. An accepted one is
// stored, loaded into a second document and stored again (the two stored
// forms must agree byte for byte), its tables are rebuilt on the breaker
// database beside the program, as the view does for a document just opened,
// and a one-level undo snapshot is taken and put back. The catalogue
// program's string table must be registered. Any other fault (a crash, a
// leak, another exception, a store that does not read back) stops the run.
void RunCatalogueFuzzInput(const uint8_t* data, size_t size);

// How many messages the last input's table rebuild showed (answered at once).
size_t CatalogueFuzzMessages();
