// What each program does before anything else, its first call: on Windows, the search for
// DLLs limited to the system's folder and the program's own, so that no DLL planted in the
// current folder (an export's, often) or on PATH is ever loaded on the program's behalf, by the
// program or by the system's dialogs. Nothing is needed elsewhere.
#pragma once

namespace ferolan {

// False when the protection could not be set up: the program must not go on.
bool ProtectProgramStart();

// What the program says then, before it ends.
inline constexpr const char* kUnprotectedStart =
    "Le système refuse de limiter aux dossiers du programme et de Windows la recherche des "
    "bibliothèques (DLL) : Ferolan ne démarre pas, pour qu'aucune bibliothèque déposée dans le "
    "dossier courant ne soit chargée.";

}  // namespace ferolan
