// Loading a library named as the program's external libraries are from its file, on the
// systems that load libraries from files: one policy (OpenByName), and what each system gives
// it (how one file is loaded, which paths are full, which folders are searched).
#pragma once

#include <string>
#include <vector>

namespace ferolan::library_file {

// The library `name` (LibraryFileName), loaded from its file. A name with a folder in it is
// loaded only when its path is full ("chemin relatif refusé" otherwise); any other only when
// the program's folder is known ("dossier du programme inconnu" otherwise), from the first of
// the searched folders that holds a copy which loads. Null on failure, with the reason: the
// loader's for the first copy that failed to load, or what it says of a file that is nowhere.
void* OpenByName(const std::string& name, std::string& reason);

// What each system gives the policy.

// Loads the library in the file at the full path `path`. Null when it cannot: with the loader's
// reason, or with no reason when no file has that name.
void* Open(const std::string& path, std::string& reason);
// What the loader says of the library file `file` that is nowhere it looked.
std::string NotFoundReason(const std::string& file);
// Whether `path` names the same file from any current folder (and drive).
bool IsFullPath(const std::string& path);
// The folders that a library is looked for in by its name, given the program's, which is
// first.
std::vector<std::string> SearchedFolders(const std::string& programFolder);

}  // namespace ferolan::library_file
