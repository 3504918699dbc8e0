#include "console/files.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

// Bytes that a text-mode file layer would change: line ends, a carriage
// return, and the byte that ends text input on Windows.
const std::string ODD_BYTES = "a\nb\r\n\x1a\x84\n";

// A device that takes every byte and gives none back.
#ifdef _WIN32
const char* const DEVICE = "NUL";
#else
const char* const DEVICE = "/dev/null";
#endif

TEST(FilesTest, NewFileHoldsExactlyItsBytesAndNeverTakesAnExistingName) {
    ScratchDir dir;
    EXPECT_EQ(writeNewFile("new", ODD_BYTES), NewFileResult::Written);
    EXPECT_EQ(fileContents("new"), ODD_BYTES);
    writeFile("old", "old\n");
    std::filesystem::create_directory("folder");
    EXPECT_EQ(writeNewFile("old", "x"), NewFileResult::NameTaken);
    EXPECT_EQ(writeNewFile("folder", "x"), NewFileResult::NameTaken);
    EXPECT_EQ(fileContents("old"), "old\n");
    EXPECT_EQ(writeNewFile("missing/new", "x"), NewFileResult::Failed);
}

TEST(FilesTest, AppendKeepsBytesAndEndsACutOffLineFirst) {
    ScratchDir dir;
    ASSERT_TRUE(appendToFile("saves", ODD_BYTES));
    ASSERT_TRUE(appendToFile("saves", "x\n"));
    EXPECT_EQ(fileContents("saves"), ODD_BYTES + "x\n");
    writeFile("cut", "record cut off");
    ASSERT_TRUE(appendToFile("cut", "\n\nnext\n"));
    EXPECT_EQ(fileContents("cut"), "record cut off\n\n\nnext\n");
    std::filesystem::create_directory("folder");
    EXPECT_FALSE(appendToFile("folder", "x\n"));
    EXPECT_FALSE(appendToFile(DEVICE, "x\n"));
}

TEST(FilesTest, ReadingGivesEveryByteAndRefusesWhatIsNoFile) {
    ScratchDir dir;
    writeFile("saves", ODD_BYTES);
    std::string bytes = "kept";
    ASSERT_TRUE(readWholeFile("saves", bytes));
    EXPECT_EQ(bytes, ODD_BYTES);
    bytes = "kept";
    std::filesystem::create_directory("folder");
    EXPECT_FALSE(readWholeFile("missing", bytes));
    EXPECT_FALSE(readWholeFile("folder", bytes));
    EXPECT_FALSE(readWholeFile(DEVICE, bytes));
    EXPECT_EQ(bytes, "kept");
}

TEST(FilesTest, ReplacedWholeRenamedOnlyToAFreeNameAndRemoved) {
    ScratchDir dir;
    writeFile("state", "old\n");
    ASSERT_TRUE(replaceFile("state", ODD_BYTES));
    EXPECT_EQ(fileContents("state"), ODD_BYTES);
    std::filesystem::create_directory("folder");
    EXPECT_FALSE(replaceFile("folder", "x"));
    EXPECT_EQ(filesStartingWith(""), "folder\nstate\n");  // no temporary file left
    writeFile("taken", "kept\n");
    EXPECT_EQ(renameToNewName("state", "taken"), NewFileResult::NameTaken);
    EXPECT_EQ(fileContents("taken"), "kept\n");
    EXPECT_EQ(renameToNewName("state", "free"), NewFileResult::Written);
    EXPECT_EQ(fileContents("free"), ODD_BYTES);
    EXPECT_TRUE(removeFile("free"));
    EXPECT_TRUE(removeFile("free"));
    EXPECT_EQ(filesStartingWith(""), "folder\ntaken\n");
}

}  // namespace
