// The French texts of the platform's pieces (the result pair and its files, lock and record,
// the work folders, the held signals), written once for every platform: a file refused for the
// same reason is refused in the same words everywhere.
#pragma once

#include <string>

namespace ferolan::texts {

// Why a result file cannot be replaced; each follows the file's name.
inline constexpr const char* kLinkToNothing =
    "lien symbolique vers un fichier qui n'existe pas ; supprimez ce lien, puis recommencez";
inline constexpr const char* kColleaguesLink =
    "lien symbolique d'un autre utilisateur dans un dossier partagé : Ferolan ne le suit pas ; "
    "supprimez ce lien ou convertissez dans un autre dossier";
inline constexpr const char* kLinkNotReplaced =
    "lien symbolique ou jonction : Ferolan ne remplace pas ce qu'il désigne ; supprimez ce lien "
    "ou choisissez un autre nom";
inline constexpr const char* kFolderOrSpecialFile = "un dossier ou un fichier spécial porte ce nom";
inline constexpr const char* kColleaguesFile =
    "fichier d'un autre utilisateur dans un dossier partagé : seul son propriétaire peut le "
    "remplacer";
inline constexpr const char* kReadOnlyFile =
    "fichier en lecture seule ; ôtez-lui cet attribut, puis recommencez";
inline constexpr const char* kFileAppeared =
    "un fichier de ce nom est apparu pendant la conversion : Ferolan ne le remplace pas ; "
    "recommencez la conversion";
inline constexpr const char* kNameLeadsElsewhere =
    "ce nom mène ailleurs qu'au début de la conversion : Ferolan n'y écrit pas ; recommencez la "
    "conversion";
inline std::string SameFileAs(const std::string& otherLeaf) {
  return "désigne le même fichier que " + otherLeaf +
         " : les deux fichiers de résultats ne peuvent pas en partager un";
}
// What stands under the name of the pair's lock, in `folder`; each follows the lock's name.
inline std::string NotALock(const std::string& folder) {
  return "ce nom, que Ferolan réserve au verrou de ses conversions dans le dossier " + folder +
         ", est pris par un lien, un dossier ou un fichier spécial : déplacez ou supprimez-le, "
         "puis recommencez";
}
inline std::string LockNotOpenable(const std::string& folder) {
  return "le verrou des conversions du dossier " + folder +
         " appartient à un autre utilisateur, qui ne vous permet pas de l'ouvrir : demandez-lui "
         "de le supprimer, ou convertissez dans un autre dossier";
}
inline constexpr const char* kAnotherConversion =
    "une autre conversion écrit en ce moment les mêmes fichiers de résultats ; attendez qu'elle "
    "se termine, puis recommencez";

// An interrupted commit that could not be mended; each follows the result's name and what failed.
inline std::string EarlierResultKept(const std::string& kept, const std::string& leaf) {
  return "le résultat d'avant la conversion n'a pas pu être remis en place ; il est gardé sous "
         "le nom caché " +
         kept +
         " : relancez la conversion quand le dossier est de nouveau accessible, Ferolan le "
         "remettra en place, ou renommez vous-même ce fichier en " +
         leaf;
}
inline constexpr const char* kCommitNotMended =
    "une conversion interrompue n'a pas pu remettre en ordre ses fichiers de résultats ; "
    "relancez la conversion quand le dossier est de nouveau accessible : Ferolan remettra en "
    "place les résultats d'avant";
inline constexpr const char* kOtherFileUnderTheName = "un autre fichier porte maintenant ce nom ; ";
inline std::string HiddenFileLeft(const std::string& description) {
  return "fichier caché d'une conversion interrompue, que Ferolan n'a pas pu retirer (" +
         description + ") ; fermez le programme qui l'utilise, puis recommencez";
}
inline constexpr const char* kRecordNotOurs =
    "ce nom, que Ferolan réserve au suivi de ses conversions, est pris par un fichier qui n'est "
    "pas le sien : déplacez ou supprimez-le, puis recommencez";

// What the user is told when a conversion found an interrupted one and put its results back.
inline std::string InterruptedCommitUndone(const std::string& changed) {
  return "Une conversion précédente a été interrompue pendant qu'elle mettait en place ses "
         "fichiers de résultats. Ferolan les a remis dans l'état d'avant cette conversion : " +
         changed + ".";
}
inline std::string PutBack(const std::string& leaf) { return leaf + " remis en place"; }
inline std::string TakenAway(const std::string& leaf) {
  return leaf + " retiré, car il n'existait pas avant";
}

// The signals a commit holds back.
inline constexpr const char* kSignals = "signaux";
inline constexpr const char* kSignalsRefused = "le système refuse de les retenir";
inline constexpr const char* kSignalRefused = "le système refuse de le retenir";

// The work root, which the work folders are made in; each text names it.
inline std::string WorkRootCannotBeMade(const std::string& root, const std::string& why) {
  return "Impossible de créer le dossier de travail " + root + " (" + why + ").";
}
inline std::string WorkRootIsALink(const std::string& root) {
  return "Le dossier de travail " + root +
         " est un lien symbolique : Ferolan ne s'en sert pas. Supprimez ce lien, puis "
         "recommencez.";
}
inline std::string WorkRootIsNoFolder(const std::string& root) {
  return "Le dossier de travail " + root +
         " n'est pas un dossier. Déplacez ou supprimez ce fichier, puis recommencez.";
}

}  // namespace ferolan::texts
