// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <QDateTime>
#include <QProcess>
#include <cstdio>

#include "NamedRows.h"
#include "PicturePrefetch.h"
#include "QtTestSupport.h"

namespace {

// Writes a file; a settled one looks as if it had last been written an hour ago.
void writeFile(const QString& name, const QByteArray& bytes, bool settled = false) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                file.flush());
    const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
    ASSERT_TRUE(!settled || file.setFileTime(hourAgo, QFileDevice::FileModificationTime));
}

// A file made by the picture table's maker (tests/blackbox/make-picture), read whole.
QByteArray madePicture(const QString& kind, const QString& colour = {}) {
    const QTemporaryDir folder;
    QFile made(folder.filePath("made"));
    EXPECT_EQ(QProcess::execute(TORVAMIK_MAKE_PICTURE, {kind, made.fileName(), colour}), 0)
        << kind.toStdString();
    return made.open(QIODevice::ReadOnly) ? made.readAll() : QByteArray();
}

const QString red = "#c80000", blue = "#0000c8";  // the colours of 1.jpg and 3.jpg

// Shows the picture: the solid picture then painted, or the error that gives ("error 53").
QString showOrError(ShownProgram& shown, const std::string& name) {
    try {
        shown.port.showPicture(name);
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.fileName, name);
        EXPECT_EQ(error.description, error.number == 53 ? "File not found" : "Invalid picture");
        return "error " + QString::number(error.number);
    }
    return shown.picture();
}

// A picture fills the area in device pixels (976 x 752 at double density); an error leaves the
// previous picture in place. Which files are shown and which are errors is the picture table's
// business, played on every port.
TEST(Picture, FillsTheAreaAndStaysThroughAnError) {
    ShownProgram shown;
    writeFile("1.jpg", madePicture("baseline", blue));
    EXPECT_EQ(showOrError(shown, "1.jpg"), "3.jpg");
    EXPECT_EQ(showOrError(shown, "missing.jpg"), "error 53");
    EXPECT_EQ(shown.picture(), "3.jpg");
    EXPECT_EQ(shown.window.pictureArea().picture().size(),
              QSize(488, 376) * shown.window.devicePixelRatio());
}

// A picture read ahead is handed out only while its file stays as it was read; otherwise the port
// reads the file as it is when shown, and reports its errors then.
struct ChangeRow {
    const char* what;  // what happens to the file after the read ahead
    bool taken;        // whether the read ahead is handed out
    const char* shown;
};
const ChangeRow changes[] = {
    {"none", true, "3.jpg"},        {"written just before", false, "3.jpg"},
    {"rewritten", false, "1.jpg"},  {"replaced", false, "1.jpg"},
    {"removed", false, "error 53"}, {"missing", false, "1.jpg"},
};
class ReadAhead : public testing::TestWithParam<ChangeRow> {};

TEST_P(ReadAhead, IsUsedOnlyForAnUnchangedFile) {
    const std::string change = GetParam().what;
    ShownProgram shown;
    const QSize size = shown.window.pictureArea().sizeInDevicePixels();
    if (change != "missing")
        writeFile("3vv.jpg", madePicture("baseline", blue), change != "written just before");
    PicturePrefetch prefetch;
    prefetch.start("3vv.jpg", size);
    prefetch.waitForReads();  // the change comes after the read
    if (change == "rewritten" || change == "missing")
        writeFile("3vv.jpg", madePicture("baseline", red));
    if (change == "replaced") writeFile("new.jpg", madePicture("baseline", red), true);
    if (change == "replaced") std::rename("new.jpg", "3vv.jpg");
    if (change == "removed") QFile::remove("3vv.jpg");
    EXPECT_EQ(!prefetch.take("3vv.jpg", size).isNull(), GetParam().taken);
    EXPECT_EQ(showOrError(shown, "3vv.jpg"), GetParam().shown);
}
INSTANTIATE_TEST_SUITE_P(Picture, ReadAhead, testing::ValuesIn(changes), NamedRows());

// A read ahead takes on only a picture that decodes in little memory; a larger one is read when
// shown, so that two of them never decode at once.
struct SizeRow {
    const char* what;  // the kind of picture, as the picture table's maker makes it
    bool taken;
};
// 20000 x 20000 baseline decodes at an eighth in 25 MB; 10000 x 10000 progressive holds 200 MB of
// coefficients.
const SizeRow sizes[] = {{"huge", true}, {"progressive-10000", false}};
class ReadAheadBySize : public testing::TestWithParam<SizeRow> {};

TEST_P(ReadAheadBySize, TakesOnlyWhatDecodesInLittleMemory) {
    ShownProgram shown;
    const QSize size = shown.window.pictureArea().sizeInDevicePixels();
    writeFile("3vv.jpg", madePicture(GetParam().what), true);
    PicturePrefetch prefetch;
    prefetch.start("3vv.jpg", size);
    EXPECT_EQ(!prefetch.take("3vv.jpg", size).isNull(), GetParam().taken);
}
INSTANTIATE_TEST_SUITE_P(Picture, ReadAheadBySize, testing::ValuesIn(sizes), NamedRows());

}  // namespace
