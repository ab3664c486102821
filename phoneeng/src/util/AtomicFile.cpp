#include "util/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "phoneeng.h"

namespace phoneeng {

namespace {

class FdCloser {
public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FdCloser(const FdCloser &) = delete;
    FdCloser &operator=(const FdCloser &) = delete;
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// The file a write to `path` lands in: the target of a symbolic link, else
// `path` itself.
std::string resolveTarget(const std::string &path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char *real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

std::string folderOf(const std::string &path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

int16_t readWholeFile(const std::string &path, size_t maxBytes, std::vector<uint8_t> &out) {
    if (path.empty()) {
        return PE_FILE_OPEN;
    }
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer.
    FdCloser fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        return PE_FILE_OPEN;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return PE_FILE_OPEN;
    }
    if (static_cast<uint64_t>(st.st_size) > maxBytes) {
        return PE_FILE_FORMAT;
    }
    std::vector<uint8_t> bytes;
    bytes.reserve(static_cast<size_t>(st.st_size));
    uint8_t chunk[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return PE_FILE_OPEN;
        }
        if (n == 0) {
            break;
        }
        // The size is checked again while reading: the file may grow.
        if (bytes.size() + static_cast<size_t>(n) > maxBytes) {
            return PE_FILE_FORMAT;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    out = std::move(bytes);
    return PE_OK;
}

int16_t writeFileAtomically(const std::string &path, std::span<const uint8_t> bytes) {
    if (path.empty()) {
        return PE_FILE_OPEN;
    }
    const std::string target = resolveTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return PE_FILE_OPEN;
    }

    // A name no other writer in this or another process picks: pid, a
    // process-wide counter, and O_EXCL to catch the rest.
    static std::atomic<unsigned> counter{0};
    const std::string folder = folderOf(target);
    const size_t slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp;
    int rawFd = -1;
    for (int attempt = 0; attempt < 100 && rawFd < 0; ++attempt) {
        temp = folder + "/." + base + ".tmp" + std::to_string(::getpid()) + "-" +
               std::to_string(counter.fetch_add(1));
        rawFd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (rawFd < 0 && errno != EEXIST) {
            return PE_FILE_OPEN;
        }
    }
    if (rawFd < 0) {
        return PE_FILE_OPEN;
    }
    FdCloser fd(rawFd);
    if (exists) {
        // Best effort: some file systems keep no permission bits.
        (void)::fchmod(fd.get(), existing.st_mode & 07777);
    }
    bool ok = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return PE_FILE_WRITE;
    }
    return PE_OK;
}

}  // namespace phoneeng
