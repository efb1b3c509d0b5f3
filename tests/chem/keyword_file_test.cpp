// The format of a keyword file such as prefixes.txt, and how reading it fails.
#include "chem/keyword_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "automation/automation_error.h"
#include "chem/chem_test_support.h"
#include "chem/file_errors.h"

namespace glyphwright {
namespace {

using testing::TempFolder;
using testing::U16;
using testing::U8;

struct FileCase {
  std::string name;
  std::string bytes;
  std::string list;  // UTF-8
};

class KeywordFileFormat : public ::testing::TestWithParam<FileCase> {};

TEST_P(KeywordFileFormat, List) {
  EXPECT_EQ(U8(ParseKeywordFile(GetParam().bytes)), GetParam().list);
}

INSTANTIATE_TEST_SUITE_P(
    Files, KeywordFileFormat,
    ::testing::Values(
        // A blank line is skipped; the empty line ends the list, so sec is never read.
        FileCase{"WorkedExample", "cis\n   \ntrans|tert\n\nsec\n", "cis|trans|tert"},
        FileCase{"CrLf", "cis\r\n   \r\ntrans|tert\r\n\r\nsec\r\n", "cis|trans|tert"},
        FileCase{"MixedLineEnds", "cis\ntrans\r\ntert", "cis|trans|tert"},
        FileCase{"LastLineWithoutLineEnd", "cis\ntrans", "cis|trans"},
        FileCase{"SingleLineWithoutLineEnd", "cis", "cis"}, FileCase{"Trimmed", "  cis  \n", "cis"},
        FileCase{"IdeographicSpacesTrimmed",
                 "\xE3\x80\x80"
                 "cis\xE3\x80\x80\n",
                 "cis"},
        FileCase{"TabsKept", "\tcis\n", "\tcis"},
        FileCase{"NoTrimAroundBars", "cis | trans\n", "cis | trans"},
        FileCase{"FirstLineEmpty", "\ncis\n", ""},
        FileCase{"FirstLineEmptyCrLf", "\r\ncis\r\n", ""},
        FileCase{"OnlyBlankLines", "  \n \n", ""}, FileCase{"EmptyFile", "", ""},
        FileCase{"Utf8ByteOrderMark",
                 "\xEF\xBB\xBF"
                 "cis\ntrans\n",
                 "cis|trans"},
        FileCase{"ByteOrderMarkThenEmptyLine", "\xEF\xBB\xBF\ncis\n", ""},
        FileCase{"Utf8", "caf\xC3\xA9\n", "caf\xC3\xA9"},
        FileCase{"Latin1", "caf\xE9\ncis\n", "caf\xC3\xA9|cis"},
        FileCase{"Utf16LittleEndian",
                 std::string("\xFF\xFE"
                             "c\0i\0s\0\r\0\n\0t\0\n\0",
                             16),
                 "cis|t"},
        FileCase{"Utf16BigEndian", std::string("\xFE\xFF\0c\0i\0s\0\n\0\n\0t", 14), "cis"},
        FileCase{"LoneCarriageReturnInsideALine", "ci\rs\n", "ci\rs"},
        FileCase{"NulInsideALine", std::string("ci\0s\ncis\n", 9), std::string("ci\0s|cis", 8)}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return info.param.name; });

TEST(KeywordFile, ReadsAFile) {
  const TempFolder folder;
  const auto path = folder.Write("prefixes.txt", "cis\r\ntrans\r\n");
  EXPECT_EQ(ReadKeywordFile(path), u"cis|trans");
}

TEST(KeywordFile, OnlyARegularFileExists) {
  const TempFolder folder;
  EXPECT_FALSE(KeywordFileExists(folder.Path() / "prefixes.txt"));
  std::filesystem::create_directory(folder.Path() / "prefixes.txt");
  EXPECT_FALSE(KeywordFileExists(folder.Path() / "prefixes.txt"));
  const auto file = folder.Write("a/prefixes.txt", "cis");
  EXPECT_TRUE(KeywordFileExists(file));
  std::filesystem::create_symlink(file, folder.Path() / "link.txt");
  EXPECT_TRUE(KeywordFileExists(folder.Path() / "link.txt"));
}

TEST(KeywordFile, AFileThatCannotBeOpenedRaisesPermissionDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
  const TempFolder folder;
  const auto path = folder.Write("prefixes.txt", "cis");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  try {
    ReadKeywordFile(path);
    ADD_FAILURE() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 70);
    EXPECT_EQ(U8(error.Description()), "Permission denied: \"" + path.string() + "\"");
  }
}

TEST(KeywordFile, AFolderIsNoFileToRead) {
  const TempFolder folder;
  EXPECT_THROW(ReadKeywordFile(folder.Path()), AutomationError);
}

struct ErrorCase {
  int errorCode;
  int32_t number;
  std::string description;
};

class FileErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(FileErrors, TheRunTimesNumberAndTextWithTheFile) {
  const AutomationError error = FileAccessError(GetParam().errorCode, "/x/prefixes.txt");
  EXPECT_EQ(error.Number(), GetParam().number);
  EXPECT_EQ(U8(error.Description()), GetParam().description + ": \"/x/prefixes.txt\"");
}

INSTANTIATE_TEST_SUITE_P(Codes, FileErrors,
                         ::testing::Values(ErrorCase{EACCES, 70, "Permission denied"},
                                           ErrorCase{EPERM, 70, "Permission denied"},
                                           ErrorCase{ENOENT, 53, "File not found"},
                                           ErrorCase{ENOTDIR, 76, "Path not found"},
                                           ErrorCase{EIO, 57, "Device I/O error"},
                                           ErrorCase{EMFILE, 67, "Too many files"},
                                           ErrorCase{EISDIR, 75, "Path/File access error"},
                                           ErrorCase{0, 75, "Path/File access error"}));

TEST(KeywordFile, AFileThatVanishedRaisesFileNotFound) {
  const TempFolder folder;
  try {
    ReadKeywordFile(folder.Path() / "prefixes.txt");
    ADD_FAILURE() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 53);
  }
}

TEST(KeywordFile, UpToTheSizeLimitIsRead) {
  const TempFolder folder;
  std::string bytes(kMaxKeywordFileBytes, ' ');
  bytes.replace(0, 4, "cis\n");
  EXPECT_EQ(ReadKeywordFile(folder.Write("prefixes.txt", bytes)), u"cis");
}

TEST(KeywordFile, ALongerFileIsRefused) {
  const TempFolder folder;
  std::string bytes(kMaxKeywordFileBytes + 1, ' ');
  bytes.replace(0, 4, "cis\n");
  const auto path = folder.Write("prefixes.txt", bytes);
  try {
    ReadKeywordFile(path);
    ADD_FAILURE() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 1);
    EXPECT_EQ(U8(error.Description()),
              "File \"" + path.string() + "\" is larger than 1048576 bytes.");
  }
}

}  // namespace
}  // namespace glyphwright
