#include "EditorTestSupport.h"

#include <QFile>
#include <QFileInfo>

namespace glyphsmith::test {

void EditorHome::writeSettings(const QStringList &lines) const {
    QDir().mkpath(QFileInfo(env.paths.settingsFile).absolutePath());
    QFile f(env.paths.settingsFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[RunStatus]\n");
    for (const QString &line : lines) {
        f.write(line.toUtf8() + '\n');
    }
}

}  // namespace glyphsmith::test
