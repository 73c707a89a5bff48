#pragma once

// Gives the co-ordination view its two modeless sheets: the dial adjustment
// sheet of a curve and the gap-line sheet. Called once at start-up.
void RegisterCoordinationSheets();
