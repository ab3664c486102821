// Where and how the virtual phone's state is kept: one file,
// "virtual-phone.state", in $PHONEENG_VIRTUAL_DIR, else
// $XDG_DATA_HOME/phoneeng, else ~/.local/share/phoneeng. Writes are atomic
// (a temporary file in the same folder, then a rename). Problems are
// reported on standard error; they never stop the phone from working.
#pragma once

#include <string>

#include "phone/VirtualPhoneData.h"

namespace phoneeng {

class StateFile {
public:
    static constexpr const char *kFileName = "virtual-phone.state";
    // Larger files are not read (taken as damaged).
    static constexpr size_t kMaxSize = size_t{64} << 20;

    enum class Loaded {
        Fresh,       // no file yet: `data` is left as it was
        Restored,    // `data` holds the saved state
        MovedAside,  // the file was damaged or unreadable and was renamed
        Unusable,    // damaged and could not be moved: saving is off
    };

    // The folder from the environment; "" when none can be found.
    static std::string defaultDirectory();

    explicit StateFile(std::string directory);

    const std::string &path() const { return path_; }
    bool savingEnabled() const { return savingEnabled_; }

    // Reads the saved state into `data`, which must be empty (not seeded).
    // On anything but Restored, `data` is left empty.
    Loaded load(VirtualPhoneData &data);
    // Writes the state; false when it could not be written (reported once
    // until a write succeeds again).
    bool save(const VirtualPhoneData &data);

private:
    bool moveAside(const std::string &reason);

    std::string directory_;
    std::string path_;
    bool savingEnabled_ = true;
    bool reportedWriteFailure_ = false;
};

}  // namespace phoneeng
