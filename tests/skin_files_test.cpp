#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

#include "images/Images.h"
#include "support/WindowFixture.h"
#include "support/SkinBytes.h"

using namespace kalvado;
using namespace kalvado::test;

namespace {

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A picture whose pixels differ from every shipped image.
QImage pattern(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, ((x + y) * 3) % 256));
    return image;
}

struct SkinFile {
    const char* name;
    // Puts the bad file (or folder) in place of the skin at the path.
    std::function<void(const QString& path)> make;
    // The picture that must show instead of the built-in image; null when
    // the file must fall back.
    std::function<QImage()> shown;
};

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile::remove(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const std::vector<SkinFile>& skinFiles()
{
    static const std::vector<SkinFile> files{
        {"empty", [](const QString& p) { writeBytes(p, {}); }, {}},
        {"truncated_jpeg", [](const QString& p) { writeBytes(p, ShippedSkinBytes().left(9000)); }, {}},
        {"random_bytes", [](const QString& p) { writeBytes(p, JunkBytes(6000, 11)); }, {}},
        {"missing", [](const QString& p) { QFile::remove(p); }, {}},
        {"folder_named_like_the_file",
         [](const QString& p) {
             QFile::remove(p);
             ASSERT_TRUE(QDir().mkpath(p));
         },
         {}},
        {"png_named_jpg", [](const QString& p) { writeBytes(p, encoded(pattern(480), "PNG")); }, [] { return pattern(480); }},
        {"bmp_named_jpg", [](const QString& p) { writeBytes(p, encoded(pattern(480), "BMP")); }, [] { return pattern(480); }},
        {"small_100", [](const QString& p) { writeBytes(p, encoded(pattern(100), "PNG")); }, [] { return pattern(100); }},
        {"large_2000", [](const QString& p) { writeBytes(p, encoded(pattern(2000), "PNG")); }, [] { return pattern(2000); }},
    };
    return files;
}

enum class Moment { StartUp, Switch, NewGame };

class BadSkinFile : public WindowTest, public testing::WithParamInterface<std::tuple<int, Moment>> {
protected:
    // What the surface must show where the image covers it, and the window
    // colour elsewhere: nothing of an earlier picture may stay.
    void expectBackground(const QImage& image)
    {
        const QRgb blank = board().palette().color(QPalette::Window).rgb();
        // Corners of cells (no disc reaches them) and the margins.
        std::vector<QPoint> points{{5, 5}, {5, 470}, {475, 200}, {240, 475}};
        for (int k = 0; k < 8; ++k)
            points.push_back(QRect(CellRect(k, (k * 3) % 8)).topLeft() + QPoint(5, 5));
        for (QPoint p : points) {
            EXPECT_EQ(px(p.x(), p.y()), image.rect().contains(p) ? image.pixel(p) : blank) << p.x() << "," << p.y();
        }
        EXPECT_EQ(board().picture().size(), QSize(480, 480));
        EXPECT_EQ(board().contentsRect().size(), QSize(480, 480));
        EXPECT_EQ(px(30, 12), board().edgeColours().light.rgb()) << "the grid is drawn";
    }
};

std::string caseName(const testing::TestParamInfo<std::tuple<int, Moment>>& info)
{
    static const char* const moments[] = {"at_start_up", "at_a_switch", "at_new_game"};
    return std::string(skinFiles()[static_cast<std::size_t>(std::get<0>(info.param))].name) + "_"
           + moments[static_cast<int>(std::get<1>(info.param))];
}

} // namespace

// Wherever a skin file is read, a bad one ends in its picture or in the
// built-in image with the failure box (none at New Game), never in a crash;
// once the file is good again, the next try shows it.
TEST_P(BadSkinFile, EndsInTheImageShownOrTheFallbackNeverACrash)
{
    const SkinFile& file = skinFiles()[static_cast<std::size_t>(std::get<0>(GetParam()))];
    const Moment moment = std::get<1>(GetParam());
    const QImage builtIn = fileImage(sourcePath("window/images/default.jpg"));
    const bool fallsBack = !file.shown;
    const QImage expected = fallsBack ? builtIn : file.shown();
    std::vector<QString> expectedTitles;

    switch (moment) {
    case Moment::StartUp:
        file.make(skinFile(1));
        open();
        if (fallsBack)
            expectedTitles.push_back("No skin source");
        EXPECT_EQ(w->state().SkinIndex, 1);
        break;
    case Moment::Switch:
        open();
        newGame(ANSWER_NO);
        expectedTitles.push_back("");
        file.make(skinFile(3));
        action("mBoard_3")->trigger();
        if (fallsBack)
            expectedTitles.push_back("No skin source");
        EXPECT_EQ(action("mBoard_3")->text(), "Light Wood2 *");
        EXPECT_TRUE(QString::fromStdString(w->state().SkinPath).endsWith("pic/Board3.jpg"));
        break;
    case Moment::NewGame:
        open();
        w->DrawChess(0, 0, BLACK); // must not survive the new game's image
        file.make(skinFile(1));
        newGame(ANSWER_YES);
        expectedTitles.push_back(""); // the question only: New Game falls back silently
        break;
    }
    EXPECT_EQ(boxTitles(), expectedTitles);
    if (fallsBack && moment != Moment::NewGame) {
        EXPECT_EQ(boxes.back().text, NO_SKIN);
        EXPECT_EQ(boxes.back().style, Style::Information);
    }
    if (moment == Moment::StartUp && fallsBack) {
        EXPECT_FALSE(boxes[0].windowShown) << "the box comes before the window";
    }
    expectBackground(expected);
    expectDiscsMatchBoard(expected);

    // The shipped file back in place: the next try shows it.
    const int n = moment == Moment::Switch ? 3 : 1;
    QFile::remove(skinFile(n));
    QDir(skinFile(n)).removeRecursively();
    ASSERT_TRUE(QFile::copy(sourcePath(QString("pic/Board%1.jpg").arg(n)), skinFile(n)));
    if (moment == Moment::Switch)
        action("mBoard_3")->trigger();
    else
        newGame(ANSWER_YES);
    expectDiscsMatchBoard(fileImage(skinFile(n)));
    EXPECT_EQ(px(100, 100), fileImage(skinFile(n)).pixel(100, 100));
}

INSTANTIATE_TEST_SUITE_P(
    SkinFiles, BadSkinFile,
    testing::Combine(testing::Range(0, static_cast<int>(skinFiles().size())),
                     testing::Values(Moment::StartUp, Moment::Switch, Moment::NewGame)),
    caseName);

namespace {

// Root reads every file whatever its permissions, so a test of an unreadable
// file runs as an ordinary user while the scope lasts. Only the effective
// user changes; the real one stays root, so leaving the scope restores it.
class OrdinaryUserScope {
public:
    OrdinaryUserScope()
    {
        constexpr uid_t nobody = 65534;
        m_changed = geteuid() == 0 && seteuid(nobody) == 0;
        m_ok = geteuid() != 0;
    }
    ~OrdinaryUserScope()
    {
        if (m_changed && seteuid(0) != 0)
            std::abort(); // every later test would run with the wrong rights
    }
    OrdinaryUserScope(const OrdinaryUserScope&) = delete;
    OrdinaryUserScope& operator=(const OrdinaryUserScope&) = delete;
    bool ok() const { return m_ok; }

private:
    bool m_changed = false;
    bool m_ok = false;
};

} // namespace

TEST_F(WindowTest, UnreadableSkinFileFallsBack)
{
    // The folders stay open to everyone: only the file itself is unreadable.
    const auto open755 = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                         | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                         | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), open755));
    ASSERT_TRUE(QFile::setPermissions(dir.filePath("pic"), open755));
    ASSERT_TRUE(QFile::setPermissions(skinFile(1), QFileDevice::WriteOwner));
    const OrdinaryUserScope user;
    ASSERT_TRUE(user.ok());
    const int fd = ::open(QFile::encodeName(skinFile(1)).constData(), O_RDONLY);
    if (fd >= 0)
        ::close(fd);
    ASSERT_LT(fd, 0) << "the skin file is still readable";
    ASSERT_TRUE(QFileInfo::exists(skinFile(1)));
    open();
    EXPECT_EQ(boxTitles(), std::vector<QString>{"No skin source"});
}

namespace {

bool refusedWithinMemory(QByteArray data)
{
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const bool refused = LoadBoardImage(buffer).isNull();
    getrusage(RUSAGE_SELF, &after);
    return refused && after.ru_maxrss - before.ru_maxrss < 64 * 1024;
}

} // namespace

// The reader must refuse a picture whose header claims 60000 x 60000 pixels
// before allocating it; checked in a child process so that its peak memory
// is its own.
TEST(LoadBoardImage, RefusesAGiantHeaderWithoutAllocatingIt)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    const QByteArray huge = HugeHeaderJpeg();
    EXPECT_EXIT(std::_Exit(refusedWithinMemory(huge) ? 0 : 1), testing::ExitedWithCode(0), "");
}
