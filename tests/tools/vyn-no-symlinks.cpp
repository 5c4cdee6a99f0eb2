// Preloaded into a program (LD_PRELOAD), makes every symbolic link it asks for fail with EPERM, as
// on a file system without them (FAT, exFAT) or on Windows without the privilege to make them.
#include <cerrno>

extern "C" {

int symlink(const char*, const char*) {
    errno = EPERM;
    return -1;
}

int symlinkat(const char*, int, const char*) {
    errno = EPERM;
    return -1;
}

} // extern "C"
