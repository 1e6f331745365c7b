// The window's texts, written once for every front end: the Qt window and the Windows window
// use them as they stand, and the page takes them from this file when it is put together
// (web/tools/inline-page.mjs reads each `kName[] = "…";` below: plain string literals, adjacent
// ones joined, with \r their only escape).
#pragma once

#include <string>

#include "platform/runtime/App.h"

namespace ferolan::captions {

inline constexpr char kWindowTitle[] = "Ferolan";
// Label1, in three lines broken by the text itself.
inline constexpr char kDescription[] =
    "  Conversion d'un fichier '.jad' de \r   J'ADE en fichiers exploitables par \r   Excel ou par "
    "GPI.";
// Label2.
inline constexpr char kWhere[] =
    "A la fin du traitement vous trouverez avec votre fichier '.jad' les 2 fichiers créés.\r(un "
    "pour le français et un pour les mathématiques)";
inline constexpr char kOption1[] = "Fichiers type 'casimir' (util. pr GPI)";
inline constexpr char kOption2[] = "Fichiers 'txt' ( séparateur ';' )";
inline constexpr char kBrowse[] = "Parcourir...";
inline constexpr char kQuit[] = "Quitter";
inline constexpr char kVersion[] = "Version ";

// Label3: the program's major and minor version.
inline std::string VersionCaption() {
  return kVersion + std::to_string(App::Major) + "." + std::to_string(App::Minor);
}

}  // namespace ferolan::captions
