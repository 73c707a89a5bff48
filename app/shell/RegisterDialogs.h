#pragma once

// Fills every model's dialog seam with its dialog. Called once at start-up,
// before a document can be opened.
void RegisterDialogs();
