#pragma once

// Fills the dialog seams of the source, the two transformers and the zero
// conductor with their dialogs.
void RegisterSupplyDialogs();
