/* Loaded with LD_PRELOAD into a child process: counts the operations that change files (writes to
 * regular files, truncation, creation, renames, deletions, directory changes, flushes to disk) and at the
 * operation numbered VELMAR_FAULT_AT either kills the process on the spot (VELMAR_FAULT_MODE=crash) or
 * lets that one operation fail with ENOSPC (VELMAR_FAULT_MODE=enospc), or takes the folder
 * VELMAR_FAULT_FOLDER away (renamed to "<folder>.gone", VELMAR_FAULT_MODE=vanish) as a server share that
 * drops, before the operation goes on. With VELMAR_FAULT_COUNT set to a
 * file, the number of operations counted is written there when the process ends normally. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

static long counted;
static long faultAt = -1;
static const char* mode = "crash";

__attribute__((constructor)) static void readSettings(void)
{
    const char* at = getenv("VELMAR_FAULT_AT");
    if (at)
        faultAt = atol(at);
    if (getenv("VELMAR_FAULT_MODE"))
        mode = getenv("VELMAR_FAULT_MODE");
}

__attribute__((destructor)) static void reportCount(void)
{
    const char* path = getenv("VELMAR_FAULT_COUNT");
    if (!path)
        return;
    char text[32];
    const int length = snprintf(text, sizeof text, "%ld\n", counted);
    const int fd = (int)syscall(SYS_openat, AT_FDCWD, path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        syscall(SYS_write, fd, text, (size_t)length);
        syscall(SYS_close, fd);
    }
}

/* Nonzero when this operation is to fail; never returns when the process is to die here. */
static int faultHere(void)
{
    ++counted;
    if (counted != faultAt)
        return 0;
    if (strcmp(mode, "vanish") == 0) {
        const char* folder = getenv("VELMAR_FAULT_FOLDER");
        char gone[4096];
        if (folder && snprintf(gone, sizeof gone, "%s.gone", folder) < (int)sizeof gone)
            syscall(SYS_renameat2, AT_FDCWD, folder, AT_FDCWD, gone, 0);
        return 0;
    }
    if (strcmp(mode, "enospc") != 0)
        kill(getpid(), SIGKILL);
    errno = ENOSPC;
    return 1;
}

static int isRegularFile(int fd)
{
    struct stat st;
    return fd > 2 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

#define REAL(name) ((__typeof__(&name))(uintptr_t)dlsym(RTLD_NEXT, #name))

ssize_t write(int fd, const void* buffer, size_t size)
{
    if (isRegularFile(fd) && faultHere())
        return -1;
    return REAL(write)(fd, buffer, size);
}

ssize_t pwrite64(int fd, const void* buffer, size_t size, off64_t offset)
{
    if (isRegularFile(fd) && faultHere())
        return -1;
    return REAL(pwrite64)(fd, buffer, size, offset);
}

ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset)
{
    if (isRegularFile(fd) && faultHere())
        return -1;
    return REAL(pwrite)(fd, buffer, size, offset);
}

ssize_t writev(int fd, const struct iovec* parts, int count)
{
    if (isRegularFile(fd) && faultHere())
        return -1;
    return REAL(writev)(fd, parts, count);
}

int ftruncate64(int fd, off64_t length)
{
    if (faultHere())
        return -1;
    return REAL(ftruncate64)(fd, length);
}

int ftruncate(int fd, off_t length)
{
    if (faultHere())
        return -1;
    return REAL(ftruncate)(fd, length);
}

int fsync(int fd)
{
    if (faultHere())
        return -1;
    return REAL(fsync)(fd);
}

int fdatasync(int fd)
{
    if (faultHere())
        return -1;
    return REAL(fdatasync)(fd);
}

int rename(const char* from, const char* to)
{
    if (faultHere())
        return -1;
    return REAL(rename)(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    if (faultHere())
        return -1;
    return REAL(renameat)(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    if (faultHere())
        return -1;
    return REAL(renameat2)(fromDir, from, toDir, to, flags);
}

int unlink(const char* path)
{
    if (faultHere())
        return -1;
    return REAL(unlink)(path);
}

int unlinkat(int dir, const char* path, int flags)
{
    if (faultHere())
        return -1;
    return REAL(unlinkat)(dir, path, flags);
}

int mkdir(const char* path, mode_t mode)
{
    if (faultHere())
        return -1;
    return REAL(mkdir)(path, mode);
}

int rmdir(const char* path)
{
    if (faultHere())
        return -1;
    return REAL(rmdir)(path);
}

int link(const char* from, const char* to)
{
    if (faultHere())
        return -1;
    return REAL(link)(from, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    if (faultHere())
        return -1;
    return REAL(linkat)(fromDir, from, toDir, to, flags);
}

/* Opening changes a file when it creates or empties it. */
#define OPEN_WRAPPER(name, ...)                                                                                \
    {                                                                                                          \
        mode_t mode = 0;                                                                                       \
        if (flags & (O_CREAT | O_TMPFILE)) {                                                                   \
            va_list args;                                                                                      \
            va_start(args, flags);                                                                             \
            mode = va_arg(args, mode_t);                                                                       \
            va_end(args);                                                                                      \
        }                                                                                                      \
        if ((flags & (O_CREAT | O_TRUNC)) && faultHere())                                                      \
            return -1;                                                                                         \
        return REAL(name)(__VA_ARGS__, flags, mode);                                                           \
    }

int open(const char* path, int flags, ...) OPEN_WRAPPER(open, path)
int open64(const char* path, int flags, ...) OPEN_WRAPPER(open64, path)
int openat(int dir, const char* path, int flags, ...) OPEN_WRAPPER(openat, dir, path)
int openat64(int dir, const char* path, int flags, ...) OPEN_WRAPPER(openat64, dir, path)
