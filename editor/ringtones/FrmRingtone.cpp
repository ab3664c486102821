#include "ringtones/FrmRingtone.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "phone/RunStep.h"
#include "ringtones/RingToneStore.h"
#include "ringtones/RingToneText.h"
#include "ringtones/SmartMessageSize.h"
#include "shell/QtMessageService.h"
#include "shell/SharedValues.h"
#include "velkor17/FBRingTone.h"
#include "velkor17/FBSms.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

namespace {

template <typename W>
W *named(W *widget, const char *name, const QRect &geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &geometry) {
    return named(new QLabel(text, parent), name, geometry);
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &geometry) {
    auto *b = named(new QPushButton(text, parent), name, geometry);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

FrmRingtone::FrmRingtone(VelkorControl *velk, SharedValues &values,
                         std::function<QString()> pickPhonebookNumber, Host host, QWidget *parent)
    : QDialog(parent),
      velk_(velk),
      values_(values),
      pickPhonebookNumber_(std::move(pickPhonebookNumber)),
      host_(std::move(host)) {
    if (!host_.messages) {
        host_.messages = std::make_shared<QtMessageService>();
    }
    if (host_.ringtonesFolder.isEmpty()) {
        host_.ringtonesFolder = QDir::homePath() + QStringLiteral("/MyRingtones");
    }
    if (!host_.phoneCapabilities) {
        host_.phoneCapabilities = [this] {
            return velk_ != nullptr ? velk_->PhoneCapabilities() : QString();
        };
    }
    setObjectName(QStringLiteral("frmRingtone"));
    setWindowTitle(QStringLiteral("Ringtone Manager"));
    setWindowModality(Qt::ApplicationModal);
    build();
}

FrmRingtone::~FrmRingtone() {
    setHourglass(false);
}

void FrmRingtone::build() {
    setFixedSize(560, 500);
    lblRingtonePath =
        label(this, "lblRingtonePath", QStringLiteral("Ringtone Path:"), QRect(10, 12, 100, 22));
    txtRingtonePath =
        named(new QLineEdit(host_.ringtonesFolder + QStringLiteral("/mambo.txt"), this),
              "txtRingtonePath", QRect(112, 12, 338, 22));
    lblRingtonePath->setBuddy(txtRingtonePath);
    cmdOpen = button(this, "cmdOpen", QStringLiteral("Open"), QRect(460, 10, 90, 26));

    lblName = label(this, "lblName", QStringLiteral("Ringtone name:"), QRect(10, 44, 100, 22));
    txtName = named(new QLineEdit(this), "txtName", QRect(112, 44, 200, 22));
    lblName->setBuddy(txtName);
    lblLocNum = label(this, "lblLocNum", QStringLiteral("Location:"), QRect(340, 44, 60, 22));
    cmbLocNum = named(new QComboBox(this), "cmbLocNum", QRect(400, 44, 60, 22));
    for (int i = 1; i <= 7; ++i) {
        cmbLocNum->addItem(QString::number(i));
    }
    lblLocNum->setBuddy(cmbLocNum);

    txtNotes = named(new QPlainTextEdit(this), "txtNotes", QRect(10, 74, 540, 110));
    txtNotes->setTabChangesFocus(true);
    lblNoteError = label(this, "lblNoteError", QString(), QRect(10, 188, 540, 18));
    lblNoteError->setStyleSheet(QStringLiteral("color: #b00000;"));
    lblSize = label(this, "lblSize", QString(), QRect(10, 206, 540, 18));

    const int row = 230;
    cmdRead = button(this, "cmdRead", QStringLiteral("Read"), QRect(10, row, 70, 26));
    cmdWrite = button(this, "cmdWrite", QStringLiteral("Write"), QRect(86, row, 70, 26));
    cmdReverse = button(this, "cmdReverse", QStringLiteral("Reverse"), QRect(162, row, 70, 26));
    cmdUpload = button(this, "cmdUpload", QStringLiteral("Upload"), QRect(238, row, 70, 26));
    cmdPlay = button(this, "cmdPlay", QStringLiteral("Play"), QRect(314, row, 70, 26));
    cmbDevice = named(new QComboBox(this), "cmbDevice", QRect(390, row + 2, 80, 22));
    cmbDevice->addItems(
        {QStringLiteral("Speaker"), QStringLiteral("Midi"), QStringLiteral("Phone!")});
    cmbDevice->setCurrentIndex(1);
    cmdExport = button(this, "cmdExport", QStringLiteral("Export..."), QRect(476, row, 74, 26));
    cmdTransposeDown = button(this, "cmdTransposeDown", QStringLiteral("Semitone down"),
                              QRect(10, row + 32, 110, 26));
    cmdTransposeUp = button(this, "cmdTransposeUp", QStringLiteral("Semitone up"),
                            QRect(126, row + 32, 110, 26));

    fraTempo =
        named(new QGroupBox(QStringLiteral("Tempo"), this), "fraTempo", QRect(10, 296, 260, 56));
    hscTempo = named(new QScrollBar(Qt::Horizontal, fraTempo), "hscTempo", QRect(10, 24, 190, 18));
    hscTempo->setRange(kMinTempo, kMaxTempo);
    hscTempo->setSingleStep(1);
    hscTempo->setPageStep(10);
    lblTempo = label(fraTempo, "lblTempo", QString(), QRect(206, 22, 50, 22));
    fraStyle =
        named(new QGroupBox(QStringLiteral("Style"), this), "fraStyle", QRect(280, 296, 270, 56));
    const QString styles[] = {QStringLiteral("Natural"), QStringLiteral("Continuous"),
                              QStringLiteral("Staccato")};
    for (int i = 0; i < 3; ++i) {
        const int left[] = {10, 88, 186};
        optStyle[i] = named(new QRadioButton(styles[i], fraStyle), "optStyle",
                            QRect(left[i], 24, i == 1 ? 98 : 80, 22));
        optStyle[i]->setProperty("index", i);
        connect(optStyle[i], &QRadioButton::clicked, this, [this, i] { optStyle_Click(i); });
    }
    buildSendFrame();
    lblStatus = label(this, "lblStatus", QString(), QRect(10, 468, 440, 22));
    cmdExit = button(this, "cmdExit", QStringLiteral("Exit"), QRect(460, 466, 90, 26));

    connect(cmdOpen, &QPushButton::clicked, this, &FrmRingtone::cmdOpen_Click);
    connect(cmdRead, &QPushButton::clicked, this, &FrmRingtone::cmdRead_Click);
    connect(cmdWrite, &QPushButton::clicked, this, &FrmRingtone::cmdWrite_Click);
    connect(cmdReverse, &QPushButton::clicked, this, &FrmRingtone::cmdReverse_Click);
    connect(cmdUpload, &QPushButton::clicked, this, &FrmRingtone::cmdUpload_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &FrmRingtone::cmdPlay_Click);
    connect(cmdExport, &QPushButton::clicked, this, &FrmRingtone::cmdExport_Click);
    connect(cmdTransposeDown, &QPushButton::clicked, this, [this] { transpose(-1); });
    connect(cmdTransposeUp, &QPushButton::clicked, this, [this] { transpose(1); });
    connect(cmdSendSms, &QPushButton::clicked, this, &FrmRingtone::cmdSendSms_Click);
    connect(cmdGetPhoneNum, &QPushButton::clicked, this, &FrmRingtone::cmdGetPhoneNum_Click);
    connect(cmdGetMessageCntr, &QPushButton::clicked, this, &FrmRingtone::cmdGetMessageCntr_Click);
    connect(cmdExit, &QPushButton::clicked, this, &FrmRingtone::cmdExit_Click);
    connect(hscTempo, &QScrollBar::valueChanged, this, &FrmRingtone::hscTempo_Change);
    lblTempo->setText(QString::number(hscTempo->value()));
    connect(txtNotes, &QPlainTextEdit::textChanged, this, &FrmRingtone::refreshChecks);
    connect(txtName, &QLineEdit::textChanged, this, &FrmRingtone::refreshChecks);
}

void FrmRingtone::buildSendFrame() {
    fraSendRingTone = named(new QGroupBox(QStringLiteral("Send Ringtone"), this), "fraSendRingTone",
                            QRect(10, 358, 540, 100));
    QWidget *f = fraSendRingTone;
    lblNumber = label(f, "lblNumber", QStringLiteral("Mobile Number:"), QRect(10, 24, 110, 22));
    txtNumber = named(new QLineEdit(f), "txtNumber", QRect(122, 24, 180, 22));
    lblNumber->setBuddy(txtNumber);
    cmdGetPhoneNum =
        button(f, "cmdGetPhoneNum", QStringLiteral("PhoneBook"), QRect(310, 22, 90, 26));
    lblMessageCntr =
        label(f, "lblMessageCntr", QStringLiteral("Messenge Centre:"), QRect(10, 60, 110, 22));
    txtMessageCntr = named(new QLineEdit(f), "txtMessageCntr", QRect(122, 60, 180, 22));
    lblMessageCntr->setBuddy(txtMessageCntr);
    cmdGetMessageCntr =
        button(f, "cmdGetMessageCntr", QStringLiteral("Default"), QRect(310, 58, 90, 26));
    cmdSendSms = button(f, "cmdSendSms", QStringLiteral("Send SMS"), QRect(430, 40, 96, 28));
}

FBRingTone *FrmRingtone::tone() {
    return velk_ != nullptr ? velk_->RingTone() : nullptr;
}

void FrmRingtone::Form_Load() {
    runStep([&] {
        if (velk_ != nullptr && !velk_->IsAlive() && host_.connectPhone) {
            host_.connectPhone();
        }
    });
    cmbDevice->setCurrentIndex(1);
    sCurrentPath = txtRingtonePath->text();
    runStep([&] {
        if (velk_ != nullptr) {
            txtMessageCntr->setText(velk_->SMS()->SMSMessageCenter());
        }
    });
    cmdRead_Click();
}

void FrmRingtone::showTone(const QString &name, const QString &notes) {
    txtName->setText(name);
    txtNotes->setPlainText(notes);
}

void FrmRingtone::showFromObject() {
    if (FBRingTone *t = tone()) {
        const ShownRingTone shown = showRingTone(*t);
        showTone(shown.name, shown.notes);
    }
}

std::optional<NoteProblem> FrmRingtone::store(bool reversed) {
    FBRingTone *t = tone();
    if (t == nullptr) {
        return std::nullopt;
    }
    return storeRingTone(*t, txtName->text(), txtNotes->toPlainText(), reversed);
}

bool FrmRingtone::storeReadable(const QString &command) {
    const QStringList notes = splitNotes(txtNotes->toPlainText());
    std::optional<NoteProblem> problem = firstUnreadableNote(notes);
    const std::optional<NoteProblem> refused = store();
    if (!problem) {
        problem = refused;
    }
    if (!problem) {
        return true;
    }
    lblNoteError->setText(describeNote(*problem));
    inform(QStringLiteral("%1 is refused until %2 is fixed.").arg(command, describeNote(*problem)));
    return false;
}

void FrmRingtone::refreshChecks() {
    const QStringList notes = splitNotes(txtNotes->toPlainText());
    const std::optional<NoteProblem> problem = firstUnreadableNote(notes);
    lblNoteError->setText(problem ? describeNote(*problem) : QString());
    lblSize->setText(notes.isEmpty() || problem
                         ? QString()
                         : describeSize(smartMessageSize(txtName->text(), notes)));
    const bool readable = !problem;
    for (QPushButton *b : {cmdPlay, cmdUpload, cmdSendSms}) {
        b->setToolTip(
            readable ? QString()
                     : QStringLiteral("Refused until %1 is fixed").arg(describeNote(*problem)));
    }
}

void FrmRingtone::setHourglass(bool on) {
    hourglass_.set(on);
}

void FrmRingtone::inform(const QString &text) {
    host_.messages->information(this, QStringLiteral("Glyphsmith"), text);
}

void FrmRingtone::setStatus(const QString &text) {
    lblStatus->setText(text);
}

void FrmRingtone::done(int result) {
    if (bPlaying) {
        runStep([&] {
            if (FBRingTone *t = tone()) {
                t->StopPlayback();
            }
        });
    }
    runStep([&] {
        if (velk_ != nullptr && velk_->Connected()) {
            velk_->Disconnect();
        }
    });
    QDialog::done(result);
}

}  // namespace glyphsmith
