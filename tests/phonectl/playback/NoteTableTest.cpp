#include <gtest/gtest.h>

#include <cmath>

#include "NoteTable.h"

using velkor17::NoteTable;

TEST(NoteTable, RowsRunChromaticallyInEqualTemperamentAndAreFoundByName) {
    static const char *const kNames[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                           "F#", "G",  "G#", "A",  "A#", "B"};
    const NoteTable &table = NoteTable::instance();
    for (int k = 1; k <= NoteTable::kSize; ++k) {
        const int midi = k + NoteTable::kMidiOffset;
        const QString name = QString::fromLatin1(kNames[midi % 12]) + QString::number(midi / 12);
        ASSERT_EQ(QString::fromLatin1(table.row(k).name), name) << "row " << k;
        // Three decimals of 440 x 2^((midi - 69) / 12); a few rows are kept
        // up to 0.002 Hz above that rounding, none below.
        const double rounded =
            std::round(440.0 * std::pow(2.0, (midi - 69) / 12.0) * 1000.0) / 1000.0;
        const double above = table.row(k).frequency - rounded;
        EXPECT_TRUE(above > -1e-9 && above < 0.0025) << name.toStdString() << " " << above;
        EXPECT_EQ(table.frequency(name), table.row(k).frequency);
        EXPECT_EQ(table.positionOfFrequency(table.row(k).frequency), k);
    }
    EXPECT_STREQ(table.row(1).name, "C2");
    EXPECT_EQ(table.frequency("A5"), 440.0);
}

TEST(NoteTable, UnknownNamesFrequenciesAndRowsGiveNothing) {
    const NoteTable &table = NoteTable::instance();
    for (const char *name : {"a5", "B1", "A10", "Db5", ""}) {
        EXPECT_FALSE(table.frequency(name)) << name;
    }
    EXPECT_EQ(table.positionOfFrequency(441.0), 0);
    EXPECT_EQ(table.row(0).frequency, 0.0);
    EXPECT_EQ(table.row(NoteTable::kSize + 1).frequency, 0.0);
}
