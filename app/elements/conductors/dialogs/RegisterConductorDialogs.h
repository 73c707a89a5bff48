#pragma once

// Hands the conductors' property sheets to their models' dialog seams.
void RegisterConductorDialogs();
