// The error a command ends with: the process's exit status and the one line
// that goes to standard error.
#pragma once

#include <QString>
#include <exception>
#include <utility>

namespace glyphsmith::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitUsage = 1,  // bad command line, or a feature this build lacks
    kExitFile = 2,   // a file cannot be read, is damaged, or cannot be written
    kExitPhone = 3,  // no link to the phone, or the phone refused
};

class CliError : public std::exception {
public:
    CliError(ExitCode code, QString message) : code_(code), message_(std::move(message)) {}

    ExitCode code() const { return code_; }
    const QString &message() const { return message_; }
    const char *what() const noexcept override { return "glyphsmith-cli error"; }

private:
    ExitCode code_;
    QString message_;
};

[[noreturn]] inline void usageError(const QString &message) {
    throw CliError(kExitUsage, message);
}
[[noreturn]] inline void fileError(const QString &message) {
    throw CliError(kExitFile, message);
}
[[noreturn]] inline void phoneError(const QString &message) {
    throw CliError(kExitPhone, message);
}
// A feature whose code is not part of this build (the caller names it).
[[noreturn]] inline void notInThisBuild(const QString &feature) {
    throw CliError(kExitUsage, feature + QStringLiteral(" is not available in this build"));
}

}  // namespace glyphsmith::cli
