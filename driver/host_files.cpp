// Mapped source files: the host's memory mappings where it has them.
#include "driver/host.h"

#include <algorithm>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace host {

#ifdef _WIN32

// Sources are read whole here.
bool MappedFile::map(const std::string&) { return false; }
void MappedFile::unmap() {}
void MappedFile::release(size_t, size_t) {}

#else

bool MappedFile::map(const std::string& path) {
    unmap();
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return false;
    struct stat status {};
    const long page = sysconf(_SC_PAGESIZE);
    void* data = MAP_FAILED;
    // A size that fills its last page exactly leaves no byte for the NUL.
    if (fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 && page > 0 &&
        status.st_size % page != 0)
        data = mmap(nullptr, static_cast<size_t>(status.st_size), PROT_READ, MAP_PRIVATE, file, 0);
    ::close(file);
    if (data == MAP_FAILED) return false;
    data_ = static_cast<const char*>(data);
    size_ = static_cast<size_t>(status.st_size);
    return true;
}

void MappedFile::unmap() {
    if (data_) munmap(const_cast<char*>(data_), size_);
    data_ = nullptr;
    size_ = 0;
}

void MappedFile::release(size_t begin, size_t end) {
    const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    begin = (begin + page - 1) / page * page;
    end = std::min(end, size_) / page * page;
    if (data_ && begin < end) madvise(const_cast<char*>(data_) + begin, end - begin, MADV_DONTNEED);
}

#endif

}  // namespace host
