#pragma once

#include <cstddef>
#include <cstdint>

// Reads one fuzz input through the archive and the records that project
// files carry. The first byte picks the reading version (0 to 4: 1.0, 1.02,
// 1.1, 1.15, 1.2; anything else leaves the newest layout); the rest is an
// archive in which each step starts with an operation byte:
//   0 an owned object of any registered class   5 a skeleton placement list
//   1 a reference to an object read before      6 a co-ordination placement list
//   2 a counted string                           7 an impedance-map placement list
//   3 a count                                    8 a calculation point
//   4 a graph-number list                        9 a selection record with its parts
//  10 a line record                             11 a percent-impedance term
// Reading goes on after an error (up to three), as a careless caller might:
// whatever is read after a failure must be refused, never reach freed memory.
// Every object and record read whole is stored, loaded and stored again, and
// the two stored forms must agree byte for byte. Any fault other than an
// archive error (a crash, a leak, another exception, a store that does not
// read back) stops the run.
void RunArchiveFuzzInput(const uint8_t* data, size_t size);
