// What the Quillkit files share among themselves: kept out of quillkit.h,
// in the library's namespace, where no name of a program reaches them.
#ifndef QUILLKIT_RUNTIME_INTERNAL_H
#define QUILLKIT_RUNTIME_INTERNAL_H

namespace quillkit {

// Closes every file handle still open (EndProgram).
void closeOpenFiles();

}  // namespace quillkit

#endif
