#include "settings_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(SettingsFile, FirstLoadCreatesTheDefaultRecord)
{
    QTemporaryDir dir;
    const SettingsFile file(dir.path());
    const Settings settings = file.load();
    EXPECT_EQ(settings.zone, 8);
    EXPECT_EQ(settings.color, 0x00FFC0C0u);
    EXPECT_EQ(bytesOf(file.path()), QByteArray::fromHex("0800C0C0FF00"));
}

TEST(SettingsFile, SavedRecordReadsBack)
{
    QTemporaryDir dir;
    const SettingsFile file(dir.path());
    ASSERT_TRUE(file.save({-3, 0x00123456}));
    EXPECT_EQ(bytesOf(file.path()), QByteArray::fromHex("FDFF56341200"));
    const Settings back = file.load();
    EXPECT_EQ(back.zone, -3);
    EXPECT_EQ(back.color, 0x00123456u);
}

// A damaged file gives the defaults and is kept as it was.
TEST(SettingsFile, ShortLongOrUnreadableFilesGiveTheDefaults)
{
    for (const QByteArray& damaged : {QByteArray::fromHex("0900C0"), QByteArray::fromHex("0900C0C0FF0000"),
                                      QByteArray()}) {
        QTemporaryDir dir;
        const SettingsFile file(dir.path());
        writeBytes(file.path(), damaged);
        const Settings settings = file.load();
        EXPECT_EQ(settings.zone, 8) << damaged.toHex().toStdString();
        EXPECT_EQ(settings.color, 0x00FFC0C0u);
        EXPECT_EQ(bytesOf(file.path()), damaged);
    }
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("DAVURedav.ini")); // not a file at all
    EXPECT_EQ(SettingsFile(dir.path()).load().zone, 8);
}

TEST(SettingsFile, AFailedSaveReportsItAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString blocker = QDir(dir.path()).filePath("not-a-folder");
    writeBytes(blocker, "x");
    EXPECT_FALSE(SettingsFile(blocker).save({9, 0}));
    EXPECT_EQ(bytesOf(blocker), "x");
}

} // namespace
