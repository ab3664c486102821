// The shared argument handling of every class's DISPID table.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QImage>
#include <QPixmap>

#include "DispatchTable.h"
#include "VelkorErrorCatcher.h"
#include "velkor17/VelkorError.h"

using namespace velkor17;

namespace {

QVariant conv(const QVariant &v, ArgType t) {
    return convertArgument(v, t);
}

TEST(DispatchArguments, IntegersComeFromNumbersBooleansAndNumericTexts) {
    EXPECT_EQ(conv(7, ArgType::Int16), QVariant::fromValue<qint16>(7));
    EXPECT_EQ(conv(qlonglong(-32768), ArgType::Int16), QVariant::fromValue<qint16>(-32768));
    EXPECT_EQ(conv(2.5, ArgType::Int32), QVariant::fromValue<qint32>(2));
    EXPECT_EQ(conv(3.5, ArgType::Int32), QVariant::fromValue<qint32>(4));
    EXPECT_EQ(conv(QStringLiteral(" 12 "), ArgType::Int32), QVariant::fromValue<qint32>(12));
    EXPECT_EQ(conv(true, ArgType::Int16), QVariant::fromValue<qint16>(1));
    EXPECT_EQ(conv(QVariant(), ArgType::Int32), QVariant::fromValue<qint32>(0));
    EXPECT_EQ(conv(255, ArgType::Byte), QVariant::fromValue<quint8>(255));
    EXPECT_EQ(conv(0.75, ArgType::Float), QVariant::fromValue<float>(0.75f));
}

TEST(DispatchArguments, IntegersOutOfRangeOrNotNumbersAreTypeMismatches) {
    const qint32 mismatch = qint32(0x80020005);
    EXPECT_EQ(errorOf([] { conv(32768, ArgType::Int16); }), mismatch);
    EXPECT_EQ(errorOf([] { conv(256, ArgType::Byte); }), mismatch);
    EXPECT_EQ(errorOf([] { conv(-1, ArgType::Byte); }), mismatch);
    EXPECT_EQ(errorOf([] { conv(qlonglong(1) << 40, ArgType::Int32); }), mismatch);
    EXPECT_EQ(errorOf([] { conv(QStringLiteral("12a"), ArgType::Int32); }), mismatch);
    EXPECT_EQ(errorOf([] { conv(QDateTime::currentDateTime(), ArgType::Int32); }), mismatch);
    EXPECT_EQ(errorOf([] { conv(std::numeric_limits<double>::quiet_NaN(), ArgType::Int32); }),
              mismatch);
}

TEST(DispatchArguments, BooleansAndTexts) {
    EXPECT_EQ(conv(QStringLiteral("True"), ArgType::Bool), QVariant(true));
    EXPECT_EQ(conv(QStringLiteral("false"), ArgType::Bool), QVariant(false));
    EXPECT_EQ(conv(-1, ArgType::Bool), QVariant(true));
    EXPECT_EQ(conv(0, ArgType::Bool), QVariant(false));
    EXPECT_EQ(errorOf([] { conv(QStringLiteral("maybe"), ArgType::Bool); }), qint32(0x80020005));
    EXPECT_EQ(conv(5, ArgType::String), QVariant(QStringLiteral("5")));
    EXPECT_EQ(conv(qlonglong(358401234567890123), ArgType::String),
              QVariant(QStringLiteral("358401234567890123")));
    EXPECT_EQ(conv(2.5, ArgType::String), QVariant(QStringLiteral("2.5")));
    EXPECT_EQ(conv(QByteArray("ab\xe9"), ArgType::String), QVariant(QStringLiteral("ab\u00e9")));
    EXPECT_EQ(conv(QVariant(), ArgType::String), QVariant(QString()));
    EXPECT_EQ(errorOf([] { conv(QImage(), ArgType::String); }), qint32(0x80020005));
}

TEST(DispatchArguments, DatesTimesAndPictures) {
    EXPECT_EQ(conv(QDate(2001, 2, 3), ArgType::DateTime),
              QVariant(QDateTime(QDate(2001, 2, 3), QTime(0, 0))));
    EXPECT_TRUE(conv(QVariant(), ArgType::DateTime).toDateTime().isNull());
    EXPECT_EQ(conv(QStringLiteral("07:30"), ArgType::Time), QVariant(QTime(7, 30)));
    EXPECT_EQ(conv(QDateTime(QDate(2001, 2, 3), QTime(8, 9)), ArgType::Time),
              QVariant(QTime(8, 9)));
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    EXPECT_EQ(conv(image, ArgType::Picture).value<QImage>().size(), QSize(4, 3));
    EXPECT_EQ(conv(QPixmap::fromImage(image), ArgType::Picture).value<QImage>().size(),
              QSize(4, 3));
    EXPECT_EQ(errorOf([] { conv(QStringLiteral("x.gif"), ArgType::Picture); }), qint32(0x80020005));
}

TEST(DispatchArguments, CountsDefaultsAndLeftOutOptionals) {
    const std::vector<ArgDef> defs{ArgType::String, opt(ArgType::Int16, 128),
                                   opt(ArgType::Bool, true)};
    EXPECT_EQ(prepareArguments(defs, {"a"}),
              (QVariantList{QStringLiteral("a"), QVariant::fromValue<qint16>(128), true}));
    EXPECT_EQ(prepareArguments(defs, {"a", QVariant(), false}),
              (QVariantList{QStringLiteral("a"), QVariant::fromValue<qint16>(128), false}));
    EXPECT_EQ(errorOf([&] { prepareArguments(defs, {}); }), qint32(0x8002000E));
    EXPECT_EQ(errorOf([&] { prepareArguments(defs, {"a", 1, true, 4}); }), qint32(0x8002000E));
}

struct Target {
    int calls = 0;
};

TEST(DispatchTableLookup, FindsByDispIdAndKind) {
    const DispatchTable<Target> table{
        {1,
         DispatchKind::PropertyGet,
         "Value",
         {},
         [](Target &t, const Args &) { return ret32(++t.calls); }},
        {1,
         DispatchKind::PropertyPut,
         "Value",
         {ArgType::Int32},
         [](Target &t, const Args &a) {
             t.calls = a.i32(0);
             return QVariant();
         }},
        {2,
         DispatchKind::Method,
         "Run",
         {},
         [](Target &t, const Args &) { return ret16(qint16(t.calls)); }},
    };
    Target target;
    EXPECT_EQ(table.invoke(target, 1, DispatchKind::PropertyPut, {10}), QVariant());
    EXPECT_EQ(table.invoke(target, 1, DispatchKind::PropertyGet, {}), ret32(11));
    EXPECT_EQ(table.invoke(target, 1, DispatchKind::Method, {}), ret32(12));
    EXPECT_EQ(table.invoke(target, 2, DispatchKind::PropertyGet, {}), ret16(12));
    EXPECT_EQ(errorOf([&] { table.invoke(target, 2, DispatchKind::PropertyPut, {1}); }),
              qint32(0x80020003));
    EXPECT_EQ(errorOf([&] { table.invoke(target, 3, DispatchKind::Method, {}); }),
              qint32(0x80020003));
}

}  // namespace
