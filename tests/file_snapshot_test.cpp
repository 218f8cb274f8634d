// A file that another program changes while the command line reads it: the input is one content
// the file held, or a clear error, never a mix of two.

#include "cli/cli_input.h"
#include "cli/file_snapshot.h"
#include "tests/cli_support/cli_run.h"
#include "tests/support/case_name.h"
#include "tests/support/review_marker.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tavenor {
namespace {

const QByteArray kContent = "ni,hao,\nwo,ai,\n";

// Reads the file a few bytes at a time and, right after the first read of each of the first
// `changedReads` passes over it, changes it on disk as another program would.
class ChangedWhileRead final : public SnapshotSource {
public:
    ChangedWhileRead(QFile& file, std::function<void()> change, int changedReads)
        : m_file(file)
        , m_change(std::move(change))
        , m_changesLeft(changedReads)
    {
    }

    std::optional<FileVersion> version() override { return m_file.version(); }
    bool rewind() override
    {
        m_passStarts = true;
        return m_file.rewind();
    }
    QString errorString() const override { return m_file.errorString(); }

    std::int64_t read(char* into, std::int64_t most) override
    {
        const std::int64_t got = m_file.read(into, std::min<std::int64_t>(most, 4));
        if (m_passStarts && m_changesLeft > 0) {
            m_change();
            --m_changesLeft;
        }
        m_passStarts = false;
        return got;
    }

private:
    OpenFileSource m_file;
    std::function<void()> m_change;
    int m_changesLeft;
    bool m_passStarts = true;
};

struct ChangeCase {
    const char* name;
    // What another program does to the file at path.
    std::function<void(const QString& path)> change;
    QByteArray expected;
};

void overwrite(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | mode));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class FileChangedWhileRead : public ::testing::TestWithParam<ChangeCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        overwrite(path, kContent, QIODevice::Truncate);
        // Saved long ago: a rewrite now moves the modification time even where the system keeps
        // times coarsely.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(946684800),
                                     QFileDevice::FileModificationTime));
    }

    QTemporaryDir m_dir;
    const QString path = m_dir.filePath(QStringLiteral("lyrics.txt"));
};

TEST_P(FileChangedWhileRead, GivesOneContentOfTheFile)
{
    const ChangeCase& param = GetParam();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    ChangedWhileRead source(
        file, [&] { param.change(path); }, 1);
    InputBuffer text;
    ASSERT_EQ(TakeSnapshot(source, text), SnapshotOutcome::Taken);
    EXPECT_EQ(QByteArray(text.view().data(), qsizetype(text.view().size())), param.expected);
}

std::vector<ChangeCase> changeCases()
{
    std::vector<ChangeCase> cases{
        {"Truncated", [](const QString& path) { ASSERT_TRUE(QFile::resize(path, 3)); }, "ni,"},
        {"Extended", [](const QString& path) { overwrite(path, "ta,\n", QIODevice::Append); },
         kContent + "ta,\n"},
        {"RewrittenInPlaceToTheSameSize",
         [](const QString& path) { overwrite(path, "wo,ai,\nni,hao,\n", QIODevice::ReadWrite); },
         "wo,ai,\nni,hao,\n"}};
#ifndef _WIN32
    // Saved by renaming a new file over it: the open file keeps its old content. (Windows does
    // not let a file that is open be removed.)
    cases.push_back({"ReplacedByAnotherFile",
                     [](const QString& path) {
                         overwrite(path + ".new", "ta,\n", QIODevice::Truncate);
                         ASSERT_TRUE(QFile::remove(path));
                         ASSERT_TRUE(QFile::rename(path + ".new", path));
                     },
                     kContent});
#endif
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Snapshot, FileChangedWhileRead, ::testing::ValuesIn(changeCases()),
                         testing::CaseName{});

TEST_F(FileChangedWhileRead, KeepsChangingIsAnErrorNamingTheFile)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    int appended = 0;
    ChangedWhileRead source(
        file, [&] { overwrite(path, QByteArray::number(++appended) + ",\n", QIODevice::Append); },
        kSnapshotAttempts);
    std::ostringstream err;
    EXPECT_FALSE(CliInput::readFile(QStringLiteral("lyrics.txt"), source, err));
    EXPECT_EQ(err.str(),
              "tavenor-cli: cannot read lyrics.txt: it kept changing while it was read\n");
    EXPECT_EQ(appended, kSnapshotAttempts);
}

#ifndef _WIN32
// A named pipe is a stream: read once, to its end, like standard input.
TEST(FileSnapshot, ReadsANamedPipeAsAStream)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("lyrics.fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::thread writer([&] { overwrite(fifo, "ni,\nhao,\n", QIODevice::NotOpen); });
    const auto result = testing::RunCliOn({"convert", fifo}, "");
    writer.join();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "ni[J i]\n\nha[h a o]" + testing::kReviewMarkerUtf8 + "\n");
}
#endif

} // namespace
} // namespace tavenor
