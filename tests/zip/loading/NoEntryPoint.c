/* A library named like the unzip library but without its entry point. */
int UnrelatedEntry(void) { return 0; }
