#include "phone/StateFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "phone/PhoneStateCodec.h"
#include "phoneeng.h"
#include "util/AtomicFile.h"

namespace phoneeng {

namespace {

std::string env(const char *name) {
    const char *v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// mkdir -p with mode 0700 for the folders it creates.
bool makeDirectories(const std::string &path) {
    if (path.empty()) {
        return false;
    }
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            const std::string part = path.substr(0, i);
            if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
                return false;
            }
        }
    }
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string StateFile::defaultDirectory() {
    const std::string own = env("PHONEENG_VIRTUAL_DIR");
    if (!own.empty()) {
        return own;
    }
    const std::string xdg = env("XDG_DATA_HOME");
    if (!xdg.empty() && xdg.front() == '/') {
        return xdg + "/phoneeng";
    }
    const std::string home = env("HOME");
    if (!home.empty()) {
        return home + "/.local/share/phoneeng";
    }
    return {};
}

StateFile::StateFile(std::string directory)
    : directory_(std::move(directory)), path_(directory_ + "/" + kFileName) {
    savingEnabled_ = !directory_.empty();
}

bool StateFile::moveAside(const std::string &reason) {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    std::string aside = path_ + ".damaged-" + stamp;
    for (int k = 2; ::access(aside.c_str(), F_OK) == 0 && k < 1000; ++k) {
        aside = path_ + ".damaged-" + stamp + "-" + std::to_string(k);
    }
    if (::rename(path_.c_str(), aside.c_str()) == 0) {
        std::fprintf(stderr,
                     "phoneeng: the virtual phone's state file %s %s; it was moved to %s and "
                     "the phone starts fresh\n",
                     path_.c_str(), reason.c_str(), aside.c_str());
        return true;
    }
    std::fprintf(stderr,
                 "phoneeng: the virtual phone's state file %s %s and cannot be moved aside (%s); "
                 "the phone starts fresh and keeps its data in memory only\n",
                 path_.c_str(), reason.c_str(), std::strerror(errno));
    savingEnabled_ = false;
    return false;
}

StateFile::Loaded StateFile::load(VirtualPhoneData &data) {
    if (directory_.empty()) {
        return Loaded::Fresh;
    }
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
        return Loaded::Fresh;
    }
    std::vector<uint8_t> bytes;
    const int16_t code = readWholeFile(path_, kMaxSize, bytes);
    std::string why;
    if (code == PE_OK) {
        VirtualPhoneData loaded;
        std::string error;
        if (PhoneStateCodec::read(
                std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()),
                loaded, error)) {
            data = std::move(loaded);
            return Loaded::Restored;
        }
        why = "is damaged (" + error + ")";
    } else {
        why = code == PE_FILE_FORMAT ? "is too large" : "cannot be read";
    }
    return moveAside(why) ? Loaded::MovedAside : Loaded::Unusable;
}

bool StateFile::save(const VirtualPhoneData &data) {
    if (!savingEnabled_) {
        return false;
    }
    const std::string text = PhoneStateCodec::write(data);
    int16_t code = PE_FILE_OPEN;
    if (makeDirectories(directory_)) {
        code = writeFileAtomically(
            path_, std::span(reinterpret_cast<const uint8_t *>(text.data()), text.size()));
    }
    if (code != PE_OK && !reportedWriteFailure_) {
        std::fprintf(stderr,
                     "phoneeng: cannot save the virtual phone's state to %s (%s); the phone keeps "
                     "working with its data in memory\n",
                     path_.c_str(),
                     code == PE_FILE_OPEN ? "the file cannot be created" : "writing failed");
    }
    reportedWriteFailure_ = code != PE_OK;
    return code == PE_OK;
}

}  // namespace phoneeng
