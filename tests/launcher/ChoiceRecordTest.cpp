// The record of the chosen story: the one-line format, a record that cannot be read or written,
// and one whose writer dies at an unknown moment of its write.

#include "launcher/ChoiceRecord.h"
#include "engine/Windows1251.h"
#include "io/Files.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::u16string kBefore = u"/home/игрок/истории/старая.teg";
const std::u16string kAfter = u"/home/игрок/истории/новая история.teg";

class ChoiceRecordTest : public testing::Test {
protected:
    ChoiceRecordTest() {
        std::string folder = std::filesystem::temp_directory_path() / "choice-record-XXXXXX";
        m_folder = mkdtemp(folder.data()) ? folder : std::string();
    }
    ~ChoiceRecordTest() override { std::filesystem::remove_all(m_folder); }
    std::string path(const char *name) const { return m_folder + '/' + name; }

    std::string m_folder;
};

} // namespace

TEST_F(ChoiceRecordTest, ReadsTheFirstField) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"\"D:\\a.teg\"\r\n", u"D:\\a.teg"},
        {"   \"" + EncodeWindows1251(u"/игры/а.teg") + "\"\r\n", u"/игры/а.teg"},
        {"\"\"\r\n", u""},
        {"", u""},
        {"\"/a,b.teg\"\r\n", u"/a,b.teg"},
        {"/a.teg,x\r\n", u"/a.teg"},         // unquoted, it ends at a comma
        {"/a.teg\r\n\"/b.teg\"", u"/a.teg"}, // or at the line's end
        {"\"/a.teg\"\r\n\"/b.teg\"\r\n", u"/a.teg"},
        {"\"/a.teg\r\n", u"/a.teg"}, // no closing quote: the line ends it
    };
    for (const auto &[record, chosen] : cases)
        EXPECT_EQ(ChoiceRecord::Parse(record), chosen) << record;
    const std::string junk("\x01\xff\x00\x98", 4);
    EXPECT_EQ(ChoiceRecord::Parse(junk), DecodeWindows1251(junk));
    // A record cut short, as a copy to a full disk leaves it, gives as much of the path as it
    // holds: the launcher offers a path that does not exist, and still starts.
    const std::string whole = ChoiceRecord::Format(kAfter);
    for (std::size_t length = 0; length <= whole.size(); ++length)
        EXPECT_TRUE(kAfter.starts_with(ChoiceRecord::Parse(whole.substr(0, length)))) << length;
}

TEST_F(ChoiceRecordTest, KeepsOnlyPathsItCanGiveBack) {
    ChoiceRecord record(path("special1.tmp"));
    for (const auto &[chosen, held] : {std::pair{u"/home/игрок/Замок «Ёж».teg", true},
                                       {u"/a b/c,d.teg", true},
                                       {u"/a\"b.teg", false},
                                       {u"/故事.teg", false}}) {
        ASSERT_TRUE(record.Write(kBefore));
        EXPECT_EQ(record.Write(chosen), held);
        std::u16string read;
        EXPECT_TRUE(record.Read(read));
        EXPECT_EQ(read, held ? chosen : kBefore);
        EXPECT_EQ(record.ErrorString().empty(), held);
    }
}

TEST_F(ChoiceRecordTest, ARecordThatCannotBeReadOrWrittenSaysWhy) {
    ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path("file"), "", error));
    for (const char *name : {".", "pipe", "file/special1.tmp"}) {
        ChoiceRecord record(path(name));
        std::u16string chosen = u"прежний";
        EXPECT_FALSE(record.Read(chosen) || record.Write(kAfter)) << name;
        EXPECT_EQ(chosen, u"") << name;
        EXPECT_FALSE(record.ErrorString().empty()) << name;
        EXPECT_EQ(record.FailedToCreate(), name[0] == 'f') << name; // a record that cannot be made
    }
}

// A child writes the two choices in turn until it is killed: whatever the moment, the record
// reads back as one of them, and whatever the dead writer left beside it is in nobody's way.
TEST_F(ChoiceRecordTest, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewChoice) {
    ChoiceRecord record(path("special1.tmp"));
    for (useconds_t moment : {0, 300, 3000}) {
        ASSERT_TRUE(record.Write(kBefore));
        const pid_t child = fork();
        while (child == 0) {
            record.Write(kAfter);
            record.Write(kBefore);
        }
        ASSERT_GT(child, 0);
        usleep(moment);
        kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        std::u16string chosen;
        EXPECT_TRUE(record.Read(chosen)) << record.ErrorString();
        EXPECT_TRUE(chosen == kBefore || chosen == kAfter) << moment;
        EXPECT_TRUE(record.Write(u"/третья.teg"));
        EXPECT_TRUE(record.Read(chosen) && chosen == u"/третья.teg");
    }
}
