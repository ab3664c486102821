// The installation done by the first start of the program: while the
// settings file is missing, create the logo and ring tone folders, put the
// sample ring tones there, write the settings and register the logo file
// types with the desktop.
#pragma once

#include <QStringList>

class QWidget;

namespace glyphsmith {

struct EditorEnvironment;

// Text shown when the ring tone folder cannot be made.
inline constexpr char kDriveFullMessage[] = "Error writing to drive C. It may be full!";

// Extensions registered for the editor, in the order registered.
QStringList LogoFileExtensions();

// Names of the sample ring tone files in the program's resources.
QStringList SampleRingtoneNames();

// Runs the first-run setup when env.paths.settingsFile does not exist and
// returns true; returns false at once otherwise. Never overwrites an existing
// sample file. When the ring tone folder cannot be made within
// env.firstRunWaitMs (counted from the whole second the wait began in; window
// messages keep running meanwhile), tells the user and still writes the
// settings and the file association.
bool RunFirstRunSetup(const EditorEnvironment &env, QWidget *parent);

}  // namespace glyphsmith
