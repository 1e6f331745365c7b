/* libzip32: adds files and folders to zip archives for a program that registers its callbacks
   and its options, then names the files; everything runs on the caller's thread. */
#ifndef ZIP32_H
#define ZIP32_H

#include <stddef.h>
#include <stdint.h>
#ifndef __cplusplus
#include <assert.h> /* static_assert, as C11 names it */
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The calling convention of the entry points and the callbacks: on 32-bit Windows the one that
   programs written for this library use, the platform's own elsewhere. */
#if defined(_WIN32) && defined(__i386__)
#define ZIP32_CALL __stdcall
#else
#define ZIP32_CALL
#endif

/* Results of ZpArchive. When several problems occur, the code of the first one is returned.
   After any code from ZIP32_ERR_ARCHIVE on, the archive is exactly as it was before the call
   (or still absent), and no temporary file is left. */
enum {
  ZIP32_OK = 0,            /* every listed file and folder was added */
  ZIP32_WARNING = 1,       /* the archive was written, but something was left out: a special file
                              (device, pipe, socket) or a symbolic link to a folder met while
                              recursing, or a comment that is not UTF-8 text (the archive keeps
                              its comment); or there was nothing to add, and nothing was written */
  ZIP32_ERR_ARCHIVE = 2,   /* the existing archive is not a zip archive, or it is damaged */
  ZIP32_ERR_MISSING = 3,   /* a listed file or folder does not exist, or a file or folder to add
                              cannot be read or listed */
  ZIP32_ERR_NAME = 4,      /* a name cannot be stored so that it reads back as the same path:
                              it has a ".." part, a "\" (read back as a folder separator), a
                              drive letter at its start, or is not UTF-8 text; or two different
                              files would be stored under the same name */
  ZIP32_ERR_PASSWORD = 5,  /* encryption was asked for and the password callback gave none */
  ZIP32_ERR_WRITE = 6,     /* the new archive could not be written or put in place */
  ZIP32_ERR_OPEN = 7,      /* the archive cannot be opened or created (a missing folder, a path
                              that is a folder) */
  ZIP32_ERR_ARGUMENTS = 8, /* a null archive path, a count outside 0 to 100, a null name within
                              the count, or an option that is not supported */
  ZIP32_ERR_MEMORY = 9,    /* out of memory */
  ZIP32_ERR_STOPPED = 10   /* the per-file callback asked to stop */
};

/* Sizes of the buffers that the comment and password callbacks fill, NUL included. */
enum { ZIP32_COMMENT_SIZE = 4097, ZIP32_PASSWORD_SIZE = 4097 };

/* A name list holds this many name pointers; positions past the count are not read. */
enum { ZIP32_NAME_LIST_SIZE = 100 };

/* The options of the next ZpArchive calls: 0 off, anything else on. Fields marked "must be 0"
   (or "must be null") are not supported: ZpArchive fails with ZIP32_ERR_ARGUMENTS. Laid out as
   in the 32-bit build, where it takes 128 bytes (offsets in brackets). */
typedef struct ZipOptions {
  const char* dateLimit;  /* [0] must be null */
  const char* rootFolder; /* [4] must be null: relative names are taken from the current
                             folder */
  const char* tempFolder; /* [8] must be null: the new archive is written beside the old */
  int32_t encrypt;        /* [12] encrypt the added files (AES-256) with a password asked of
                             the password callback once per call */
  int32_t reserved1[12];  /* [16] must be 0 */
  int32_t junkFolders;    /* [64] store each file under its own name alone, without its
                             folders; folders themselves are then not stored */
  int32_t addToExisting;  /* [68] add to the archive when it exists; off replaces it */
  int32_t reserved2[7];   /* [72] must be 0 */
  int32_t comment;        /* [100] ask the comment callback for the archive comment */
  int32_t reserved3[3];   /* [104] must be 0 */
  int32_t recurse;        /* [116] add what listed folders hold, all the way down; off adds a
                             listed folder as a folder entry only */
  int32_t reserved4;      /* [120] must be 0 */
  char level;             /* [124] '0' stores the files uncompressed, '1' (fastest) to '9'
                             (smallest) deflate them; any other byte deflates at the
                             default level, which is '9' */
  char reserved5[3];      /* [125] not read */
} ZipOptions;

/* Printed text: one call per line, ending in "\n"; the text is not NUL-terminated. Lines are
   French and name the file or the archive concerned: "ajout : <name>",
   "erreur : <path> : <cause>". The answer is not used. */
typedef int32_t(ZIP32_CALL* ZipPrintFunction)(const char* text, uint32_t length);
/* Archive comment: `buffer` (ZIP32_COMMENT_SIZE bytes) starts with a NUL; the callback may put a
   NUL-terminated comment in it. A buffer left starting with a NUL keeps the archive's comment as
   it is. The answer is not used. */
typedef int32_t(ZIP32_CALL* ZipCommentFunction)(char* buffer);
/* Password for encryption: fill `buffer` (of `size` bytes) with a NUL-terminated password and
   answer 0; any other answer, or an empty password, means none. `prompt` is a question for the
   user, `name` the archive's path. */
typedef int32_t(ZIP32_CALL* ZipPasswordFunction)(char* buffer, uint32_t size, const char* prompt,
                                                 const char* name);
/* Called for each entry about to be stored, with the name it is stored under (folders end in
   "/") and its size cut to its low 32 bits. 0 goes on; anything else stops the call with
   ZIP32_ERR_STOPPED. */
typedef int32_t(ZIP32_CALL* ZipEntryFunction)(const char* name, uint32_t size);

/* Any callback may be null: nothing is printed or reported, the comment is kept and a password
   request gets the answer "none". */
typedef struct ZipCallbacks {
  ZipPrintFunction print;
  ZipCommentFunction comment;
  ZipPasswordFunction password;
  ZipEntryFunction entry;
} ZipCallbacks;

/* The records as a 32-bit program lays them out (the offsets above). */
static_assert(sizeof(void*) != 4 || sizeof(ZipOptions) == 128, "ZipOptions: 128 bytes");
static_assert(sizeof(void*) != 4 || offsetof(ZipOptions, encrypt) == 12, "ZipOptions: encrypt");
static_assert(sizeof(void*) != 4 || offsetof(ZipOptions, junkFolders) == 64,
              "ZipOptions: junkFolders at 64");
static_assert(sizeof(void*) != 4 || offsetof(ZipOptions, addToExisting) == 68,
              "ZipOptions: addToExisting at 68");
static_assert(sizeof(void*) != 4 || offsetof(ZipOptions, comment) == 100,
              "ZipOptions: comment at 100");
static_assert(sizeof(void*) != 4 || offsetof(ZipOptions, recurse) == 116,
              "ZipOptions: recurse at 116");
static_assert(sizeof(void*) != 4 || offsetof(ZipOptions, level) == 124, "ZipOptions: level at 124");
static_assert(sizeof(void*) != 4 || sizeof(ZipCallbacks) == 16, "ZipCallbacks: 16 bytes");

/* Registers the callbacks of the next ZpArchive calls (a copy is kept). 0, or
   ZIP32_ERR_ARGUMENTS for a null record. */
int32_t ZIP32_CALL ZpInit(const ZipCallbacks* callbacks);
/* Sets the options of the next ZpArchive calls (a copy is kept, texts included). 0, or
   ZIP32_ERR_ARGUMENTS for a null record. Before any call, every option is off. */
int32_t ZIP32_CALL ZpSetOptions(const ZipOptions* options);

/* Adds the first `count` names of `names` to the archive at `archivePath`, creating it when
   missing. A name is a path to a file or a folder; it is stored with "/" between its parts,
   without a leading "/" and without "." parts. An entry of the same name already in the archive
   is replaced. Everything is checked before anything is written, and the archive is written
   under a temporary name in its folder and renamed into place only when complete. */
int32_t ZIP32_CALL ZpArchive(int32_t count, const char* archivePath,
                             const char* const names[ZIP32_NAME_LIST_SIZE]);

typedef int32_t ZIP32_CALL ZpInitFunction(const ZipCallbacks*);
typedef int32_t ZIP32_CALL ZpSetOptionsFunction(const ZipOptions*);
typedef int32_t ZIP32_CALL ZpArchiveFunction(int32_t, const char*, const char* const*);

#ifdef __cplusplus
}
#endif

#endif
