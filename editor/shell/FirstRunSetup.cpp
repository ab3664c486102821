#include "shell/FirstRunSetup.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "shell/EditorEnvironment.h"
#include "shell/FileAssociation.h"
#include "shell/Resources.h"
#include "shell/SaveBytes.h"
#include "shell/Settings.h"

namespace glyphsmith {

namespace {

constexpr char kAppTitle[] = "Glyphsmith";
constexpr int kPollMs = 25;

bool isFolder(const QString &path) {
    return QFileInfo(path).isDir();
}

// Waits until `folder` exists, letting window messages run between checks.
bool waitForFolder(const QString &folder, int limitMs) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 deadline = now - now % 1000 + limitMs;
    while (!isFolder(folder)) {
        if (QDateTime::currentMSecsSinceEpoch() >= deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
        QThread::msleep(kPollMs);
    }
    return true;
}

// Copies a built-in file to `target` unless `target` exists already.
void writeIfMissing(const QString &resource, const QString &target) {
    if (QFileInfo::exists(target)) {
        return;
    }
    QFile in(resource);
    if (!in.open(QIODevice::ReadOnly)) {
        return;
    }
    QDir().mkpath(QFileInfo(target).absolutePath());
    saveBytes(target, in.readAll());
}

}  // namespace

QStringList LogoFileExtensions() {
    return {QStringLiteral(".NOL"), QStringLiteral(".NGG"), QStringLiteral(".NLM"),
            QStringLiteral(".NSL"), QStringLiteral(".GSP")};
}

QStringList SampleRingtoneNames() {
    InitEditorResources();
    QStringList names = QDir(QStringLiteral(":/ringtones")).entryList(QDir::Files, QDir::Name);
    // the ring tone manager opens this one first
    if (names.removeOne(QStringLiteral("mambo.txt"))) {
        names.prepend(QStringLiteral("mambo.txt"));
    }
    return names;
}

bool RunFirstRunSetup(const EditorEnvironment &env, QWidget *parent) {
    const AppPaths &p = env.paths;
    if (QFileInfo::exists(p.settingsFile)) {
        return false;
    }
    QDir().mkpath(p.logosFolder);
    QDir().mkpath(p.ringtonesFolder);

    if (waitForFolder(p.ringtonesFolder, env.firstRunWaitMs)) {
        for (const QString &name : SampleRingtoneNames()) {
            writeIfMissing(QStringLiteral(":/ringtones/") + name, p.ringtonesFolder + u'/' + name);
        }
        writeIfMissing(QStringLiteral(":/settings/Glyphsmith.ini"), p.settingsFile);
    } else if (env.messages) {
        env.messages->information(parent, QString::fromLatin1(kAppTitle),
                                  QString::fromLatin1(kDriveFullMessage));
    }

    const QString ini = p.settingsFile;
    const QString section = QString::fromLatin1(kRunStatus);
    WriteSetting(ini, section, QString::fromLatin1(kKeyRunBefore), QStringLiteral("1"));
    WriteSetting(ini, section, QString::fromLatin1(kKeyComPort), QStringLiteral("COM1"));
    WriteSetting(ini, section, QString::fromLatin1(kKeyDefaultLogo),
                 QStringLiteral("Operator Logo"));
    WriteSetting(ini, section, QString::fromLatin1(kKeyApplicationPath), p.programFolder);
    WriteSetting(ini, section, QString::fromLatin1(kKeyHelpFilePath), p.defaultHelpPath());

    for (const QString &ext : LogoFileExtensions()) {
        FileTypeInfo info;
        info.verbs = {QStringLiteral("Open")};
        info.commandLines = {p.programCommand()};
        info.extension = ext;
        info.className = QStringLiteral("GlyphsmithImageFile");
        info.description = QStringLiteral("Glyphsmith Image File");
        info.contentType = QStringLiteral("SomeMIMEtype");
        RegisterFileType(info, p.dataHome);
    }
    if (env.refreshAssociations) {
        env.refreshAssociations(p.dataHome);
    }
    return true;
}

}  // namespace glyphsmith
