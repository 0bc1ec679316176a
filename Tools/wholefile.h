#ifndef WHOLEFILE_H
#define WHOLEFILE_H

class QSaveFile;

// Renames a QSaveFile's temporary file over its target only when every byte
// reached the storage; otherwise removes it and returns false. QSaveFile's own
// commit() misses a write that fails only when its buffer is flushed (a full
// partition) and would put a cut-off file in place of the target.
bool commitWholeFile(QSaveFile& file);

#endif
