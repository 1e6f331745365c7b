/* A library named like the zip library that has only its first entry point, whose result
   stands out. */
#include "zip/interface/zip32.h"

int32_t ZIP32_CALL ZpInit(const ZipCallbacks* callbacks) { return callbacks != 0 ? 7 : 0; }
