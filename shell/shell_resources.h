// Identifiers of the shell's resources in the program's resource script.
// Read by the resource compiler too, so only preprocessor definitions.
#pragma once

// The application icon; the shell uses the lowest icon id for the file.
#define IDI_VELMORA 1
