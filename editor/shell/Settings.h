// The settings file: a private-profile (INI) text file of "[section]" lines and
// "key=value" lines. Section and key names match without regard to case.
#pragma once

#include <QString>

namespace glyphsmith {

// The one section the program keeps its settings in, and its keys.
inline constexpr char kRunStatus[] = "RunStatus";
inline constexpr char kKeyApplicationPath[] = "ApplicationPath";
inline constexpr char kKeyComPort[] = "ComPort";
inline constexpr char kKeyDefaultLogo[] = "DefaultLogo";
inline constexpr char kKeyHelpFilePath[] = "HelpFilePath";
inline constexpr char kKeyRunBefore[] = "RunBefore";

// Longest value ReadSetting hands back, in characters (a 255-character read
// buffer including its terminator).
inline constexpr int kMaxSettingLength = 254;

// The value of `key` in `section` of `file`, trimmed of surrounding blanks and
// cut to kMaxSettingLength characters; `defaultValue` (cut the same way) when
// the file, the section or the key is missing. Never fails.
QString ReadSetting(const QString &file, const QString &section, const QString &key,
                    const QString &defaultValue);

// Writes `value` under `key` in `section`, creating the file (and its folder),
// the section or the key as needed and keeping every other line as it was.
// Carriage returns and line feeds in the value become spaces. The file is
// replaced atomically. Returns false when it cannot be written (callers do not
// report that to the user).
bool WriteSetting(const QString &file, const QString &section, const QString &key,
                  const QString &value);

}  // namespace glyphsmith
