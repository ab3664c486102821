// The parts of the program that need more of Qt than Qt Core live in modules
// of their own, loaded on first use, so that the commands without them (a
// conversion between the engine's formats, `info`) start without Qt's GUI
// libraries:
//   libglyphsmith-cli-pictures.so  PNG, XBM, C header and picture import
//                                  (Qt Gui; see PictureModule.h)
//   libglyphsmith-cli-phone.so     the phone commands (the control is a
//                                  widget: Qt Widgets)
// The modules sit in the program's private library folder, beside velkor17,
// and are loaded from there (else through the run path).
#pragma once

#include <QStringList>

namespace glyphsmith::cli {

// The address of `symbol` in `module` (a file name as above), loading the
// module on first use; it stays loaded. A usage error (exit 1, as for a
// feature the build lacks) naming the module when it cannot be loaded.
void *cliModuleSymbol(const char *module, const char *symbol);

// "phone ...", run by the phone module.
int runPhoneModule(const QStringList &args);

}  // namespace glyphsmith::cli

// The phone module's entry: runPhone (PhoneCommand.h).
extern "C" int glyphsmith_cli_phone(const QStringList &args);
