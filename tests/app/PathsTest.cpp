// Path pieces and file creation.

#include "app/Paths.h"
#include "support/TestWorkspace.h"

#include <filesystem>

namespace tallowby::test {
namespace {

struct PathPartCase {
    const char* path;
    int which;
    const char* expected;
};

class PathParts : public ::testing::TestWithParam<PathPartCase> {};

TEST_P(PathParts, SplitAtTheLastSlash) {
    EXPECT_EQ(PathPart(GetParam().path, GetParam().which), GetParam().expected)
        << GetParam().path << " part " << GetParam().which;
}

INSTANTIATE_TEST_SUITE_P(
    Parts, PathParts,
    ::testing::Values(PathPartCase{"/a/b.c.txt", 1, "/a"}, PathPartCase{"/a/b.c.txt", 2, "b.c.txt"},
                      PathPartCase{"/a/b.c.txt", 3, ".txt"}, PathPartCase{"/a/b.c.txt", 4, "b.c"},
                      PathPartCase{"/a/b.c.txt", 5, "/a/b.c"}, PathPartCase{"/a/b.c.txt", 0, ""},
                      PathPartCase{"/a/b.c.txt", 6, ""},
                      // no slash at all
                      PathPartCase{"genome.fa", 1, ""}, PathPartCase{"genome.fa", 2, "genome.fa"},
                      PathPartCase{"genome.fa", 3, ".fa"}, PathPartCase{"genome.fa", 4, "genome"},
                      // ending with a slash
                      PathPartCase{"/data/run/", 1, "/data/run"}, PathPartCase{"/data/run/", 2, ""},
                      PathPartCase{"/data/run/", 3, ""}, PathPartCase{"/data/run/", 4, ""},
                      // a slash only at the start
                      PathPartCase{"/genome.fa", 1, ""},
                      // names without a dot; a dot in a folder name only
                      PathPartCase{"/a/README", 3, ""}, PathPartCase{"/a/README", 4, "README"},
                      PathPartCase{"/a/README", 5, "/a/README"}, PathPartCase{".hidden", 5, ".hidden"},
                      PathPartCase{"/v1.2/README", 5, "/v1"},
                      // blanks and non-ASCII names are ordinary characters
                      PathPartCase{"/my data/Genom ä.fa", 4, "Genom ä"},
                      PathPartCase{"/my data/Genom ä.fa", 1, "/my data"}));

class EnsureFileTest : public WorkspaceTest {};

TEST_F(EnsureFileTest, CreatesFileAndOneMissingFolder) {
    std::string path = workspace + "new folder/settings.txt";
    EXPECT_TRUE(EnsureFile(path));
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(EnsureFileTest, LeavesAnExistingFileUntouched) {
    std::string path = workspace + "kept.txt";
    WriteFile(path, "user text\n");
    EXPECT_TRUE(EnsureFile(path));
    EXPECT_EQ(ReadFile(path), "user text\n");
}

TEST_F(EnsureFileTest, CreatesOnlyOneFolderLevel) {
    EXPECT_FALSE(EnsureFile(workspace + "a/b/c.txt"));
    EXPECT_FALSE(std::filesystem::exists(workspace + "a/b"));
}

}  // namespace
}  // namespace tallowby::test
