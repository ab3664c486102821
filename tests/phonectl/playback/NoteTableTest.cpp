#include <gtest/gtest.h>

#include <cmath>

#include "NoteTable.h"

using velkor17::NoteTable;

namespace {

const char *const kNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

// The eighteen rows stored above the three-decimal rounding of the formula.
const std::map<QString, double> kRaised = {
    {"D#4", 155.564},   {"F6", 698.457},     {"E8", 2637.021},   {"F#8", 2959.956},
    {"G8", 3135.964},   {"D9", 4698.637},    {"E9", 5274.042},   {"F#9", 5919.912},
    {"G9", 6271.928},   {"G#9", 6644.876},   {"C10", 8372.019},  {"C#10", 8869.845},
    {"D#10", 9956.064}, {"E10", 10548.083},  {"F10", 11175.305}, {"F#10", 11839.823},
    {"G10", 12543.855}, {"G#10", 13289.752},
};

}  // namespace

TEST(NoteTable, RowsRunChromaticallyFromC2ToGSharp10) {
    const NoteTable &table = NoteTable::instance();
    for (int k = 1; k <= NoteTable::kSize; ++k) {
        const int midi = k + NoteTable::kMidiOffset;
        const QString expected =
            QString::fromLatin1(kNames[midi % 12]) + QString::number(midi / 12);
        EXPECT_EQ(QString::fromLatin1(table.row(k).name), expected) << "row " << k;
    }
    EXPECT_STREQ(table.row(1).name, "C2");
    EXPECT_STREQ(table.row(105).name, "G#10");
}

TEST(NoteTable, FrequenciesFollowEqualTemperamentExceptTheStoredEighteen) {
    const NoteTable &table = NoteTable::instance();
    int raised = 0;
    for (int k = 1; k <= NoteTable::kSize; ++k) {
        const QString name = QString::fromLatin1(table.row(k).name);
        const double formula =
            std::round(440.0 * std::pow(2.0, (k + 23 - 69) / 12.0) * 1000.0) / 1000.0;
        const auto it = kRaised.find(name);
        if (it != kRaised.end()) {
            ++raised;
            EXPECT_EQ(table.row(k).frequency, it->second) << name.toStdString();
            const double diff = table.row(k).frequency - formula;
            EXPECT_TRUE(diff > 0.0005 && diff < 0.0025) << name.toStdString() << " " << diff;
        } else {
            EXPECT_NEAR(table.row(k).frequency, formula, 1e-9) << name.toStdString();
        }
    }
    EXPECT_EQ(raised, 18);
}

TEST(NoteTable, LooksUpByExactUpperCaseName) {
    const NoteTable &table = NoteTable::instance();
    EXPECT_EQ(table.frequency("C2"), 32.703);
    EXPECT_EQ(table.frequency("A2"), 55.0);
    EXPECT_EQ(table.frequency("C5"), 261.626);
    EXPECT_EQ(table.frequency("A5"), 440.0);
    EXPECT_FALSE(table.frequency("a5"));
    EXPECT_FALSE(table.frequency("B1"));
    EXPECT_FALSE(table.frequency("A10"));
    EXPECT_FALSE(table.frequency("Db5"));  // no flats
    EXPECT_FALSE(table.frequency(""));
}

TEST(NoteTable, PositionOfFrequencyFindsTheRow) {
    const NoteTable &table = NoteTable::instance();
    EXPECT_EQ(table.positionOfFrequency(32.703), 1);
    EXPECT_EQ(table.positionOfFrequency(440.0), 46);  // MIDI 69
    EXPECT_EQ(table.positionOfFrequency(13289.752), 105);
    EXPECT_EQ(table.positionOfFrequency(441.0), 0);
    EXPECT_EQ(table.row(0).frequency, 0.0);
    EXPECT_EQ(table.row(106).frequency, 0.0);
}
