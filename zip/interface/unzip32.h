/* libunzip32: lists and extracts zip archives for a program that drives it through one entry
   point and answers its questions through callbacks, all on the caller's thread. */
#ifndef UNZIP32_H
#define UNZIP32_H

#include <stddef.h>
#include <stdint.h>
#ifndef __cplusplus
#include <assert.h> /* static_assert, as C11 names it */
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The calling convention of the entry point and the callbacks: on 32-bit Windows the one that
   programs written for this library use, the platform's own elsewhere. */
#if defined(_WIN32) && defined(__i386__)
#define UNZIP32_CALL __stdcall
#else
#define UNZIP32_CALL
#endif

/* Results of Wiz_SingleEntryUnzip. When several problems occur, the code of the first one is
   returned; the entries after a failed entry are still processed, except where said. */
enum {
  UNZIP32_OK = 0,           /* every selected entry was listed or extracted, or kept at the
                               overwrite question's answer */
  UNZIP32_WARNING = 1,      /* done, but the archive is empty or an include name matched no entry */
  UNZIP32_ERR_ARCHIVE = 2,  /* not a zip archive, or its directory is corrupt or truncated;
                               nothing was listed or extracted */
  UNZIP32_ERR_ENTRY = 3,    /* an entry's data is corrupt or truncated, fails its CRC check,
                               inflates to more or fewer bytes than it declares, declares more
                               than 2 GiB - 1 bytes, or uses a compression or encryption method
                               that is not supported; or the archive's files would come to more
                               than 2 GiB - 1 bytes in all, which stops the extraction and
                               removes the files it extracted */
  UNZIP32_ERR_PASSWORD = 4, /* an encrypted entry was skipped: no password, or a wrong one */
  UNZIP32_ERR_UNSAFE = 5,   /* an entry was refused: its name would land outside the target
                               folder (absolute, drive letter, ".." component, a folder in the
                               way that is a symbolic link) or it is a symbolic link */
  UNZIP32_ERR_WRITE = 6,    /* a file or folder could not be created or written; or the disk
                               had not the room for the declared sizes of the files extracted,
                               which stops the extraction and removes the files it extracted */
  UNZIP32_ERR_OPEN = 7,     /* the archive file cannot be opened */
  UNZIP32_ERR_TARGET = 8,   /* the target folder cannot be opened (it must exist) */
  UNZIP32_ERR_ARGUMENTS = 9, /* a null record, a count outside 0 to 100, a null name within a
                                count, or an option that is not supported; nothing was done */
  UNZIP32_ERR_MEMORY = 10,   /* out of memory; the work stopped */
  UNZIP32_ERR_STOPPED = 11   /* the service callback asked to stop; the work stopped */
};

/* Answers of the overwrite callback. Any other answer keeps the file, as UNZIP32_KEEP_THIS. */
enum {
  UNZIP32_KEEP_THIS = 100,    /* do not replace this file */
  UNZIP32_REPLACE_THIS = 102, /* replace this file */
  UNZIP32_REPLACE_NONE = 104  /* replace neither this file nor any later existing file */
};

/* Answers of the password callback. */
enum {
  UNZIP32_PASSWORD_GIVEN = 0, /* the buffer holds a NUL-terminated password; any other answer
                                 means none, and the entry is skipped */
  UNZIP32_PASSWORD_SIZE = 257 /* size of the buffer the password callback fills */
};

/* A name list holds this many name pointers; positions past the count are not read. */
enum { UNZIP32_NAME_LIST_SIZE = 100 };

/* Settings of one call, fifteen integers (0 off, anything else on unless said) and two texts.
   Settings marked "must be 0" are not supported: a call with one of them on fails with
   UNZIP32_ERR_ARGUMENTS. */
typedef struct UnzipOptions {
  int32_t newerOnly;           /* must be 0 */
  int32_t spacesToUnderscores; /* must be 0 */
  int32_t askBeforeOverwrite;  /* when an extracted file exists and overwriteAll is off: on asks
                                  the overwrite callback, off keeps the existing file */
  int32_t quietLevel;          /* 0 prints everything, 1 errors only, 2 and above nothing */
  int32_t toStandardOutput;    /* must be 0 */
  int32_t testOnly;            /* must be 0 */
  int32_t listContents;        /* list the selected entries through the entry callback instead
                                  of extracting them */
  int32_t freshenOnly;         /* must be 0 */
  int32_t showComment;         /* print the archive comment, if any, before anything else, as
                                  one text of exactly the comment's bytes */
  int32_t keepFolders;         /* recreate the folders of the entry names; off puts every file
                                  directly in the target folder and skips folder entries */
  int32_t overwriteAll;        /* replace existing files without asking */
  int32_t convertLineEnds;     /* must be 0 */
  int32_t verbose;             /* must be 0 */
  int32_t ignoreCase;          /* match include and exclude names without regard to case */
  int32_t restoreSecurity;     /* must be 0 */
  const char* archivePath;     /* the zip archive to read */
  const char* targetFolder;    /* an existing folder to extract into; null or empty: the
                                  current folder. Not used when listing. */
} UnzipOptions;

/* Printed text: one call per line (ending in "\n") or per comment; the text is not
   NUL-terminated. Lines are French and name the entry or the archive concerned:
   "extrait : <entry>", "erreur : <entry> : <cause>", "avertissement : <archive> : <cause>".
   The answer is not used. */
typedef int32_t(UNZIP32_CALL* UnzipPrintFunction)(const char* text, uint32_t length);
/* Sound: never called. */
typedef void(UNZIP32_CALL* UnzipSoundFunction)(void);
/* Overwrite question for an existing file, given its path below the target folder. */
typedef int32_t(UNZIP32_CALL* UnzipOverwriteFunction)(const char* name);
/* Password for an encrypted entry: fill `buffer` (of `size` bytes) with a NUL-terminated
   password. `prompt` is a question for the user, `name` the entry's name. */
typedef int32_t(UNZIP32_CALL* UnzipPasswordFunction)(char* buffer, uint32_t size,
                                                     const char* prompt, const char* name);
/* One listed entry. Sizes are cut to their low 32 bits; the ratio is the space saved in
   thousandths; the date is the entry's modification time in local time. */
typedef void(UNZIP32_CALL* UnzipEntryFunction)(uint32_t uncompressedSize, uint32_t compressedSize,
                                               uint32_t ratioPermille, uint32_t month, uint32_t day,
                                               uint32_t year, uint32_t hour, uint32_t minute,
                                               uint32_t encrypted, const char* name,
                                               uint32_t method, uint32_t crc, uint32_t isFolder);
/* Called after each extracted file with its name and size. 0 goes on; anything else stops the
   work with UNZIP32_ERR_STOPPED. */
typedef int32_t(UNZIP32_CALL* UnzipServiceFunction)(const char* name, uint32_t size);

/* Any callback may be null: nothing is printed or reported, a question gets the answer "keep
   this file", a password request the answer "none", and the work goes on. */
typedef struct UnzipCallbacks {
  UnzipPrintFunction print;
  UnzipSoundFunction sound;
  UnzipOverwriteFunction overwrite;
  UnzipPasswordFunction password;
  UnzipEntryFunction entry;
  UnzipServiceFunction service;
  uint8_t reserved[20]; /* not read */
} UnzipCallbacks;

/* The records as a 32-bit program lays them out: fifteen integers and two texts, then six
   callbacks and the reserved bytes. */
static_assert(sizeof(void*) != 4 || sizeof(UnzipOptions) == 68, "UnzipOptions: 68 bytes");
static_assert(sizeof(void*) != 4 || offsetof(UnzipOptions, archivePath) == 60,
              "UnzipOptions: archivePath at 60");
static_assert(sizeof(void*) != 4 || offsetof(UnzipOptions, targetFolder) == 64,
              "UnzipOptions: targetFolder at 64");
static_assert(sizeof(void*) != 4 || sizeof(UnzipCallbacks) == 44, "UnzipCallbacks: 44 bytes");
static_assert(sizeof(void*) != 4 || offsetof(UnzipCallbacks, service) == 20,
              "UnzipCallbacks: service at 20");

/* Lists or extracts the entries of options->archivePath.
   Entries are selected by the include names (all entries when includeCount is 0) and then
   dropped by the exclude names. A name matches an entry's full name with the shell wildcards
   "*", "?" and "[...]", where "*" also matches "/".
   Extraction writes each file under a temporary name in its folder and puts it in place only
   once it is complete and its CRC checked; a failed entry leaves no file behind and an existing
   file of that name as it was. Files get the default permissions, not those stored in the
   archive. "\" in entry names counts as a folder separator. A name stored without the UTF-8
   flag is read as UTF-8 when it is valid UTF-8, otherwise as cp850 or cp1252, whichever its
   accented letters point to; names reach the callbacks and the disk in UTF-8. */
int32_t UNZIP32_CALL Wiz_SingleEntryUnzip(int32_t includeCount,
                                          const char* const includeNames[UNZIP32_NAME_LIST_SIZE],
                                          int32_t excludeCount,
                                          const char* const excludeNames[UNZIP32_NAME_LIST_SIZE],
                                          const UnzipOptions* options,
                                          const UnzipCallbacks* callbacks);

typedef int32_t UNZIP32_CALL Wiz_SingleEntryUnzipFunction(int32_t, const char* const*, int32_t,
                                                          const char* const*, const UnzipOptions*,
                                                          const UnzipCallbacks*);

#ifdef __cplusplus
}
#endif

#endif
