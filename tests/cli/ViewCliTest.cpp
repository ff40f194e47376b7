// tallowby-cli view: the viewer's picture of a site written as a BMP file (on the test's X display).

#include "support/TestWorkspace.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tallowby::test {
namespace {

const std::string kCli = TALLOWBY_BIN_DIR "/tallowby-cli";
const std::string kExamples = TALLOWBY_EXAMPLES;

class ViewCliTest : public ::testing::Test {
protected:
    void SetUp() override { folder = MakeTempFolder("view-cli"); }
    void TearDown() override {
        if (!HasFailure()) fs::remove_all(folder);
    }
    CommandOutput Run(const std::string& arguments) {
        return RunShell("cd " + ShellQuote(folder) + " && " + kCli + " --workspace ws view " + arguments);
    }
    std::string folder;
};

// Width and height from a BMP header.
std::pair<int, int> BmpSize(const std::string& bytes) {
    auto number = [&bytes](size_t at) {
        return int(static_cast<unsigned char>(bytes[at])) | int(static_cast<unsigned char>(bytes[at + 1])) << 8 |
               int(static_cast<unsigned char>(bytes[at + 2])) << 16 | int(static_cast<unsigned char>(bytes[at + 3])) << 24;
    };
    return {number(18), number(22)};
}

TEST_F(ViewCliTest, BothModesWriteTheWindowAsBmp) {
    CommandOutput structure =
        Run("--site HIPK3:29740-30839 --annotation " + kExamples + "/CFLAR_HIPK3.gtf --type gtf --bmp s.bmp --zoom 2 --pan -1");
    ASSERT_EQ(structure.status, 0) << structure.err;
    CommandOutput position = Run("--site HIPK3:29740-30839 --mode pos --database " + kExamples + "/CFLAR_HIPK3.fa --bmp p.bmp");
    ASSERT_EQ(position.status, 0) << position.err;
    for (const char* name : {"s.bmp", "p.bmp"}) {
        std::string bytes = ReadFile(folder + name);
        ASSERT_GT(bytes.size(), 54u) << name;
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        auto [width, height] = BmpSize(bytes);
        EXPECT_GE(width, 680);
        EXPECT_GE(height, 680);
    }
    EXPECT_EQ(structure.out + position.out, "");
}

TEST_F(ViewCliTest, RefusedInput) {
    EXPECT_EQ(Run("--site HIPK3:1-2 --annotation " + kExamples + "/CFLAR_HIPK3.gtf --type gtf --bmp s.bmp --zoom -1").status, 2);
    CommandOutput missing = Run("--site HIPK3:1-2 --mode pos --database nothing.fa --bmp p.bmp");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Tallowby-Error: The input database file " + folder + "nothing.fa dosn't exists.\n");
    CommandOutput beyond = Run("--site HIPK3:1-200000 --mode pos --database " + kExamples + "/CFLAR_HIPK3.fa --bmp p.bmp --yes");
    EXPECT_EQ(beyond.status, 1);
    EXPECT_FALSE(fs::exists(folder + "p.bmp"));
    EXPECT_FALSE(fs::exists(folder + "s.bmp"));
}

}  // namespace
}  // namespace tallowby::test
