// The ring tone window's commands.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "phone/RunStep.h"
#include "ringtones/FrmRingtone.h"
#include "ringtones/RingToneStore.h"
#include "ringtones/RingToneText.h"
#include "shell/MessageService.h"
#include "shell/SharedValues.h"
#include "velkor17/FBRingTone.h"
#include "velkor17/FBSms.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

namespace {

const QString kTitle = QStringLiteral("Glyphsmith");
const QString kFileTitle = QStringLiteral("Saving Ringtone to file");
const QStringList kFileFilters = {QStringLiteral("All Files (*.*)"),
                                  QStringLiteral("Text Files (*.txt)")};
const QStringList kExportFilters = {QStringLiteral("WAV sound (*.wav)"),
                                    QStringLiteral("MIDI file (*.mid)")};
constexpr int kDevicePhone = 2;

// The window's file dialog (Qt's own, modal). `folder` may name a file,
// whose folder is then used. Nothing when cancelled.
std::optional<QString> askPath(QWidget *parent, const QString &title, const QStringList &filters,
                               int filter, bool save, const QString &folder,
                               const QString &fileName, const QString &defaultSuffix) {
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setWindowTitle(title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(filter));
    const QFileInfo start(folder);
    dialog.setDirectory(start.isDir() ? folder : start.absolutePath());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    // A name typed without an extension takes the chosen filter's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &f) {
        const qsizetype star = f.indexOf(QLatin1String("*."));
        const QString ext = star < 0 ? QString() : f.mid(star + 2).section(QLatin1Char(')'), 0, 0);
        dialog.setDefaultSuffix(ext.isEmpty() || ext == QLatin1String("*") ? defaultSuffix : ext);
    });
    if (!fileName.isEmpty()) {
        dialog.selectFile(fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().value(0).isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

// The first line of a text file without its line end; nothing when the
// file cannot be read.
std::optional<QString> firstLine(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray line = file.readLine(4096);
    while (line.endsWith('\n') || line.endsWith('\r')) {
        line.chop(1);
    }
    return QString::fromLatin1(line);
}

QString engineOutcome(qint16 code, const QString &done, const QString &failed) {
    return code == 0 ? done : QStringLiteral("%1 (error %2)").arg(failed).arg(code);
}

}  // namespace

void FrmRingtone::cmdOpen_Click() {
    const std::optional<QString> path =
        askPath(this, kFileTitle, kFileFilters, 1, false, host_.ringtonesFolder, QString(), {});
    if (!path) {
        return;
    }
    std::optional<QString> name;
    if (hasRingToneTextName(*path) && QFileInfo(*path).isFile()) {
        if (const std::optional<QString> line = firstLine(*path)) {
            name = nameFromFirstLine(*line);
        }
    }
    if (!name) {
        inform(QStringLiteral("Problem opening ringtone file"));
        return;
    }
    txtRingtonePath->setText(*path);
    txtName->setText(*name);
    cmdRead_Click();
}

void FrmRingtone::cmdRead_Click() {
    sCurrentPath = txtRingtonePath->text();
    if (!QFileInfo(sCurrentPath).isFile()) {
        inform(QStringLiteral("Problem finding Ringtone file"));
    }
    FBRingTone *t = tone();
    if (t == nullptr) {
        return;
    }
    runStep([&] {
        t->ReadFile(sCurrentPath);
        setStatus(engineOutcome(t->LastError(), QString(),
                                QStringLiteral("Problem reading %1").arg(sCurrentPath)));
    });
    showFromObject();
    runStep([&] {
        const int style = int(t->DefStyle());
        if (style >= 0 && style < 3) {
            optStyle[style]->setChecked(true);
        }
    });
    runStep([&] { hscTempo->setValue(t->Tempo()); });
}

void FrmRingtone::cmdWrite_Click() {
    store();
    const std::optional<QString> chosen =
        askPath(this, kFileTitle, kFileFilters, 1, true, txtRingtonePath->text(), txtName->text(),
                QStringLiteral("txt"));
    FBRingTone *t = tone();
    if (!chosen || t == nullptr) {
        return;
    }
    const QString path = withTextExtension(*chosen);
    try {
        t->WriteFile(path);
        setStatus(engineOutcome(t->LastError(), QStringLiteral("Written to %1").arg(path),
                                QStringLiteral("Problem writing %1").arg(path)));
    } catch (const std::exception &) {
        return;  // Write ends at its first failure
    }
    txtRingtonePath->setText(path);
    cmdRead_Click();
}

void FrmRingtone::cmdReverse_Click() {
    store(true);
    showFromObject();
}

void FrmRingtone::cmdPlay_Click() {
    FBRingTone *t = tone();
    if (bPlaying) {
        runStep([&] {
            if (t != nullptr) {
                t->StopPlayback();
            }
        });
    } else if (t != nullptr && storeReadable(QStringLiteral("Play"))) {
        bPlaying = true;
        cmdPlay->setText(QStringLiteral("Stop"));
        setHourglass(true);
        const int device = cmbDevice->currentIndex();
        if (device != kDevicePhone && !audioNoted_ && !FBRingTone::HasAudioOutput()) {
            audioNoted_ = true;
            setStatus(QStringLiteral("No audio output: playing in silence"));
        }
        QPointer<FrmRingtone> alive(this);
        runStep([&] { t->Play(fbPlayRingtone(device)); });
        if (!alive) {
            return;
        }
    }
    bPlaying = false;
    cmdPlay->setText(QStringLiteral("Play"));
    setHourglass(false);
}

void FrmRingtone::cmdUpload_Click() {
    FBRingTone *t = tone();
    if (t == nullptr || !storeReadable(QStringLiteral("Upload"))) {
        return;
    }
    QString capabilities;
    runStep([&] { capabilities = host_.phoneCapabilities(); });
    if (!capabilities.contains(QLatin1Char('R'))) {
        inform(QStringLiteral("This phone does not support custom ringtones"));
        return;
    }
    const qint16 location = qint16(cmbLocNum->currentText().toInt());
    runStep([&] {
        t->Upload(location);
        setStatus(engineOutcome(t->LastError(),
                                QStringLiteral("Uploaded to location %1").arg(location),
                                QStringLiteral("Problem uploading")));
    });
    runStep([&] { velk_->Beep(); });
    QApplication::processEvents();
    runStep([&] { velk_->Beep(); });
}

void FrmRingtone::cmdSendSms_Click() {
    FBRingTone *t = tone();
    if (t == nullptr || !storeReadable(QStringLiteral("Sending"))) {
        return;
    }
    runStep([&] {
        t->SendAsSMS(txtNumber->text());
        setStatus(engineOutcome(t->LastError(), QStringLiteral("Sent to %1").arg(txtNumber->text()),
                                QStringLiteral("Problem sending")));
    });
}

void FrmRingtone::cmdGetPhoneNum_Click() {
    values_.sPhonebookNumber.clear();
    const QString number = pickPhonebookNumber_ ? pickPhonebookNumber_() : QString();
    if (!number.isEmpty()) {
        txtNumber->setText(number);
    }
}

void FrmRingtone::cmdGetMessageCntr_Click() {
    if (values_.sSMSC.isEmpty()) {
        runStep([&] { values_.sSMSC = velk_->SMS()->SMSMessageCenter(); });
    }
    txtMessageCntr->setText(values_.sSMSC);
}

void FrmRingtone::cmdExit_Click() {
    close();
}

void FrmRingtone::hscTempo_Change() {
    lblTempo->setText(QString::number(hscTempo->value()));
    runStep([&] {
        if (FBRingTone *t = tone()) {
            t->setTempo(qint16(hscTempo->value()));
        }
    });
}

void FrmRingtone::optStyle_Click(int index) {
    runStep([&] {
        if (FBRingTone *t = tone()) {
            t->setDefStyle(fbRingtoneStyle(index));
        }
    });
}

void FrmRingtone::transpose(int semitones) {
    const QStringList notes = splitNotes(txtNotes->toPlainText());
    if (notes.isEmpty()) {
        return;
    }
    const TransposeResult moved = transposeNotes(notes, semitones);
    if (moved.refusal) {
        inform(moved.outOfRange
                   ? QStringLiteral("Cannot transpose: %1 would leave the notes C2 to G#10.")
                         .arg(describeNote(*moved.refusal))
                   : QStringLiteral("Cannot transpose: %1 cannot be read.")
                         .arg(describeNote(*moved.refusal)));
        return;
    }
    txtNotes->setPlainText(joinNotes(moved.notes));
    store();
    showFromObject();
}

void FrmRingtone::cmdExport_Click() {
    FBRingTone *t = tone();
    if (t == nullptr || !storeReadable(QStringLiteral("Export"))) {
        return;
    }
    const std::optional<QString> path =
        askPath(this, QStringLiteral("Export Ringtone"), kExportFilters, 0, true,
                txtRingtonePath->text(), txtName->text(), QStringLiteral("wav"));
    if (!path) {
        return;
    }
    const QString suffix = QFileInfo(*path).suffix().toLower();
    const bool midi = suffix == QLatin1String("mid") || suffix == QLatin1String("midi");
    setHourglass(true);
    const bool done = runStep([&] {
        if (midi) {
            t->RenderToMidi(*path);
        } else {
            // The phone's buzzer sounds like the speaker's square wave.
            t->RenderToWav(*path, cmbDevice->currentIndex() == fbPlayRingtoneMidi
                                      ? fbPlayRingtoneMidi
                                      : fbPlayRingtoneSpeaker);
        }
    });
    setHourglass(false);
    if (done && t->LastError() == 0) {
        setStatus(QStringLiteral("Exported to %1").arg(*path));
    } else {
        inform(QStringLiteral("Problem exporting the ringtone to %1").arg(*path));
    }
}

}  // namespace glyphsmith
