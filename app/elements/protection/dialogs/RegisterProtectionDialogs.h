#pragma once

// Fills the dialog seams of the protective elements and of the wire's
// interception times with their dialogs.
void RegisterProtectionDialogs();
