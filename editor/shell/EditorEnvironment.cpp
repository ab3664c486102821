#include "shell/EditorEnvironment.h"

#include "shell/FileAssociation.h"
#include "shell/QtMessageService.h"
#include "shell/SerialPortProber.h"

namespace glyphsmith {

EditorEnvironment EditorEnvironment::standard() {
    EditorEnvironment env;
    env.paths = AppPaths::fromEnvironment();
    env.messages = std::make_shared<QtMessageService>();
    env.ports = std::make_shared<SerialPortProber>();
    env.clock = [] { return QTime::currentTime(); };
    env.refreshAssociations = RefreshFileAssociationDatabases;
    env.portOverride = qEnvironmentVariable("GLYPHSMITH_PORT").trimmed();
    return env;
}

}  // namespace glyphsmith
