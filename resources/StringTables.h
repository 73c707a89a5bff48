#pragma once

// Registers the string table of the main program or of the catalogue program.
void RegisterTovarineStrings();
void RegisterZedezuziStrings();
