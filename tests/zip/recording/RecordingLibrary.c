/* A library named like the unzip or the zip library that does no archive work: it writes what
   each call received to the file named by FEROLAN_RECORDING, integers as the bytes they are, so
   that a test can pin the records the program hands over. */
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>

#include "zip/interface/unzip32.h"
#include "zip/interface/zip32.h"

static FILE* Open(void) {
  const char* path = getenv("FEROLAN_RECORDING");
  /* Binary: Windows would write its line ends otherwise. */
  return path != NULL ? fopen(path, "ab") : NULL;
}

static void Bytes(FILE* out, const char* what, const void* data, size_t size) {
  fprintf(out, "%s", what);
  for (size_t i = 0; i < size; ++i) fprintf(out, " %02x", ((const unsigned char*)data)[i]);
  fprintf(out, "\n");
}

static void Text(FILE* out, const char* what, const char* text) {
  if (text == NULL) {
    fprintf(out, "%s null\n", what);
  } else {
    fprintf(out, "%s \"%s\"\n", what, text);
  }
}

/* Every position of the list that is not null, within the count or not. */
static void Names(FILE* out, const char* what, int32_t count, const char* const* names) {
  fprintf(out, "%s %d\n", what, count);
  for (int i = 0; names != NULL && i < UNZIP32_NAME_LIST_SIZE; ++i) {
    if (names[i] != NULL) fprintf(out, "  [%d] \"%s\"\n", i, names[i]);
  }
}

int32_t UNZIP32_CALL Wiz_SingleEntryUnzip(int32_t includeCount,
                                          const char* const includeNames[UNZIP32_NAME_LIST_SIZE],
                                          int32_t excludeCount,
                                          const char* const excludeNames[UNZIP32_NAME_LIST_SIZE],
                                          const UnzipOptions* options,
                                          const UnzipCallbacks* callbacks) {
  FILE* out = Open();
  if (out == NULL) return UNZIP32_ERR_ARGUMENTS;
  fprintf(out, "Wiz_SingleEntryUnzip\n");
  Names(out, "include", includeCount, includeNames);
  Names(out, "exclude", excludeCount, excludeNames);
  Bytes(out, "settings", options, offsetof(UnzipOptions, restoreSecurity) + sizeof(int32_t));
  Text(out, "archive", options->archivePath);
  Text(out, "target", options->targetFolder);
  fprintf(out, "callbacks %d%d%d%d%d%d\n", callbacks->print != NULL, callbacks->sound != NULL,
          callbacks->overwrite != NULL, callbacks->password != NULL, callbacks->entry != NULL,
          callbacks->service != NULL);
  fclose(out);
  return UNZIP32_OK;
}

int32_t ZIP32_CALL ZpInit(const ZipCallbacks* callbacks) {
  FILE* out = Open();
  if (out == NULL) return ZIP32_ERR_ARGUMENTS;
  fprintf(out, "ZpInit %d%d%d%d\n", callbacks->print != NULL, callbacks->comment != NULL,
          callbacks->password != NULL, callbacks->entry != NULL);
  fclose(out);
  return ZIP32_OK;
}

int32_t ZIP32_CALL ZpSetOptions(const ZipOptions* options) {
  FILE* out = Open();
  if (out == NULL) return ZIP32_ERR_ARGUMENTS;
  fprintf(out, "ZpSetOptions\n");
  Text(out, "dateLimit", options->dateLimit);
  Text(out, "rootFolder", options->rootFolder);
  Text(out, "tempFolder", options->tempFolder);
  Bytes(
      out, "settings", &options->encrypt,
      offsetof(ZipOptions, reserved5) + sizeof options->reserved5 - offsetof(ZipOptions, encrypt));
  fclose(out);
  return ZIP32_OK;
}

int32_t ZIP32_CALL ZpArchive(int32_t count, const char* archivePath,
                             const char* const names[ZIP32_NAME_LIST_SIZE]) {
  FILE* out = Open();
  if (out == NULL) return ZIP32_ERR_ARGUMENTS;
  fprintf(out, "ZpArchive\n");
  Text(out, "archive", archivePath);
  Names(out, "files", count, names);
  fclose(out);
  return ZIP32_OK;
}
