// The logo location dialogs "Enter Logo Location" and "Picture Logo".
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "phone/FrmInputIndex.h"
#include "phone/FrmPicIndex.h"
#include "shell/SharedValues.h"

using namespace glyphsmith;

namespace {

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

}  // namespace
