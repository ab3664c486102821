// The logo location dialogs "Enter Logo Location" and "Picture Logo", the
// number typed into them and the location it gives; the phonebook list
// lines, the number a picked line hands over, and the room left in a text
// message.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "phone/FrmInputIndex.h"
#include "phone/FrmPicIndex.h"
#include "phone/LogoLocationText.h"
#include "phone/PhonebookLines.h"
#include "phone/SmsLength.h"
#include "shell/SharedValues.h"

using namespace glyphsmith;

namespace {

constexpr qint16 kNone = SharedValues::kNoLocation;

TEST(TransferLocationTest, LeadingNumberReadsWhatTheTextBeginsWith) {
    // Blanks anywhere are ignored; "&H" and "&O" are hexadecimal and octal;
    // "D" is an exponent like "E"; an Arabic-Indic digit is no digit.
    const std::pair<const char *, double> cases[] = {
        {"3", 3},   {" 1 2 ", 12}, {"\t4\n", 4}, {"7abc", 7}, {"abc", 0},   {"", 0},
        {"-2", -2}, {"+2", 2},     {"2.5", 2.5}, {".5", 0.5}, {"1e2", 100}, {"1D1", 10},
        {"3e", 3},  {"&H1F", 31},  {"&o17", 15}, {"&Z1", 0},  {"1,5", 1},   {"\xd9\xa3", 0}};
    for (const auto &[text, number] : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(text)), number) << text;
    }
}

TEST(TransferLocationTest, LocationIsTheNumberMinusOneRoundedHalfToEven) {
    // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2; past 16 bits (or 100 and more) no location.
    const std::pair<const char *, qint16> cases[] = {
        {"1", 0},          {"3", 2},           {"5", 4},          {"0", -1},
        {"abc", -1},       {"1.5", 0},         {"2.5", 2},        {"3.5", 2},
        {"2.6", 2},        {"-4", -5},         {"100", kNone},    {"32768", 32767},
        {"32769", kNone},  {"-32767", -32768}, {"-32768", kNone}, {"1e400", kNone},
        {"-1e400", kNone}, {"1e-400", -1}};
    for (const auto &[text, location] : cases) {
        EXPECT_EQ(locationFromText(QString::fromLatin1(text)), location) << text;
    }
}

SharedValues &values() {
    static SharedValues shared;
    return shared;
}

TEST(TransferDialogsTest, OpeningEitherDialogResetsTheSharedValues) {
    values().iLogoLocation = 5;
    FrmInputIndex input(values());
    EXPECT_TRUE(input.isModal());
    EXPECT_EQ(values().iLogoLocation, SharedValues::kNoLocation);
    values().iLogoLocation = 5;
    values().sPictureText = QStringLiteral("old");
    FrmPicIndex picture(values());
    EXPECT_EQ(picture.txtIndex->text(), "1");
    EXPECT_EQ(values().iLogoLocation, SharedValues::kNoLocation);
    EXPECT_TRUE(values().sPictureText.isEmpty());
}

TEST(TransferDialogsTest, InputIndexOkTakesTheNumberMinusOneCancelNone) {
    // the number's reading is TransferLocationTest's
    const std::pair<const char *, qint16> cases[] = {{"3", 2}, {"0", -1}, {"", 99}};
    for (const auto &[text, location] : cases) {
        FrmInputIndex dialog(values());
        dialog.txtIndex->setText(QString::fromLatin1(text));
        dialog.show();
        QTest::keyClick(dialog.txtIndex, Qt::Key_Return);  // Enter is OK
        EXPECT_EQ(values().iLogoLocation, location) << text;
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(dialog.isVisible());
    }
    FrmInputIndex dialog(values());  // Cancel leaves no location
    dialog.txtIndex->setText(QStringLiteral("4"));
    dialog.cmdCancel->click();
    EXPECT_EQ(values().iLogoLocation, SharedValues::kNoLocation);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(TransferDialogsTest, PicIndexOkTakesTextEvenWithoutANumber) {
    const std::pair<const char *, qint16> cases[] = {{"2", 1}, {"", SharedValues::kNoLocation}};
    for (const auto &[number, location] : cases) {
        FrmPicIndex dialog(values());
        dialog.txtIndex->setText(QString::fromLatin1(number));
        dialog.txtPicInfo->setPlainText(QStringLiteral("Hi ") + number);
        dialog.cmdOK->click();
        EXPECT_EQ(values().iLogoLocation, location);
        EXPECT_EQ(values().sPictureText, QStringLiteral("Hi ") + number);
    }
}

TEST(TransferDialogsTest, EnterInThePictureTextIsOkAndCtrlEnterANewLine) {
    FrmPicIndex dialog(values());
    dialog.show();
    dialog.txtIndex->setText(QStringLiteral("3"));
    dialog.txtPicInfo->setFocus();
    QTest::keyClicks(dialog.txtPicInfo, QStringLiteral("ab"));
    QTest::keyClick(dialog.txtPicInfo, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(dialog.txtPicInfo, QStringLiteral("cd"));
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(dialog.txtPicInfo, Qt::Key_Enter);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(values().iLogoLocation, 2);
    EXPECT_EQ(values().sPictureText, "ab\ncd");
}

TEST(PhonebookLines, EntryNumberPaddingTabNameAndGroup) {
    const QString pad16(16, QLatin1Char(' '));
    EXPECT_EQ(phonebookLine(3, "12345", "Ann", 0), "03: 12345" + pad16 + "\tAnn");
    EXPECT_EQ(phonebookLine(3, "12345", "Ann", 2), "03: 12345" + pad16 + "\tAnn (Group 2)");
    EXPECT_EQ(phonebookLine(42, "+358401234567", "Bo", -1), "42: +358401234567\tBo");
    EXPECT_EQ(phonebookLine(100, "+3584012345678", "C", 0), "00: +3584012345678\tC");
}

TEST(PhonebookLines, PickedNumberIsTheLeadingDigitsBeforeTheFirstSpace) {
    const struct {
        QString line;
        QString text;
        QString number;
    } rows[] = {
        {phonebookLine(1, "+31 612 345", "Ann", 0), "+31", "+31"},
        {phonebookLine(7, "12345", "Ann Lee", 1), "12345", "12345"},
        {phonebookLine(9, "+358401234567", "Ann Lee", 0), "+358401234567\tAnn", "+358401234567"},
        {"05: 555-0101      \tDan", "555-0101", "555"},
        {"05: x12\tDan", "x12\tDan", ""},  // picked, but no number
        {"05:    ", "", ""},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(pickedText(r.line), r.text) << r.line.toStdString();
        EXPECT_EQ(pickedNumber(r.line), r.number) << r.line.toStdString();
    }
}

TEST(SmsLengthCount, SeptetsUnicodeAndParts) {
    const struct {
        QString text;
        bool unicode;
        int parts, left;
        const char *shown;
    } rows[] = {
        {"", false, 1, 160, "160 left"},
        {"Hello {x}", false, 1, 149, "149 left"},  // braces take two septets
        {"Grüße", false, 1, 155, "155 left"},
        {"façade", true, 1, 64, "Unicode: 64 left"},  // only the capital Ç is GSM
        {QString(160, QLatin1Char('a')), false, 1, 0, "0 left"},
        {QString(159, QLatin1Char('a')) + "€", false, 2, 145, "2 messages, 145 left"},
        {QString(71, QChar(u'Ω')) + "Ж", true, 2, 62, "Unicode: 2 messages, 62 left"},
    };
    for (const auto &r : rows) {
        const SmsLength length = smsLength(r.text);
        EXPECT_EQ(length.unicode, r.unicode) << r.text.toStdString();
        EXPECT_EQ(length.parts, r.parts) << r.text.toStdString();
        EXPECT_EQ(length.left, r.left) << r.text.toStdString();
        EXPECT_EQ(smsLengthText(length), r.shown);
    }
}

}  // namespace
