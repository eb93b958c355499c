#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "desktop/LocalText.h"
#include "editor/EditorSettings.h"

namespace {

// Paths the File menu lists come back from a real settings file exactly as they were opened,
// whatever blanks stand at their ends and however long they are.
TEST(RecentPicturesSettingsTest, EveryPathComesBackFromTheFileExactly)
{
    const std::string folder = "/tmp/pictures/";
    const auto longPath = [&](std::size_t bytes) { return folder + std::string(bytes - folder.size(), 'x'); };
    const std::string paths[] = {
        "/tmp/trailing space.gif ", "/tmp/trailing tab.gif\t", " /tmp/leading space.gif", "\"/tmp/quoted.gif\"",
        longPath(1023),           longPath(1024),             longPath(5000),            "/tmp/写真 ソ表.gif",
    };
    static_assert(std::size(paths) == EditorSettings::kRecentPictures);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("vemo-editor.INI");
    QFile existing(file);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("[RECENT]\r\nFILE1=/tmp/old.gif\r\n");
    existing.close();

    EditorSettings settings(file);
    EditorSettings::Values values = settings.Read();
    ASSERT_EQ(values.recentPictures, QStringList{"/tmp/old.gif"}); // a file written before still reads
    EXPECT_FALSE(values.keepPngAndWebp); // options a file does not name are off
    values.keepPngAndWebp = true;
    EXPECT_EQ(values.outputStyle, vemo::MapStyle::Classic);
    values.outputStyle = vemo::MapStyle::Html5;
    values.recentPictures.clear();
    for (const std::string &path : paths)
        values.recentPictures << Text(path);
    settings.Write(values, false);

    EXPECT_TRUE(EditorSettings(file).Read().keepPngAndWebp);
    EXPECT_EQ(EditorSettings(file).Read().outputStyle, vemo::MapStyle::Html5);
    const QStringList read = EditorSettings(file).Read().recentPictures;
    ASSERT_EQ(read.size(), values.recentPictures.size());
    for (int i = 0; i < read.size(); ++i)
        EXPECT_EQ(Bytes(read[i]), paths[i]) << i;
}

} // namespace
