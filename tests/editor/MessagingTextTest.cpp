// The phonebook list lines, the number a picked line hands over, and the
// room left in a text message.
#include <gtest/gtest.h>

#include "phone/PhonebookLines.h"
#include "phone/SmsLength.h"

using namespace glyphsmith;

namespace {

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
