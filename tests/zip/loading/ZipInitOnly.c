/* A library named like the zip library that has only its first entry point, whose result
   stands out. */
int ZpInit(const void* callbacks) { return callbacks != 0 ? 7 : 0; }
