// The database and annotation open dialogs: what they offer, and what a choice changes.

#include "app/FileChoosers.h"
#include "app/SharedState.h"
#include "support/TestWorkspace.h"

namespace tallowby::test {
namespace {

class FileChoosersTest : public WorkspaceTest {};

TEST_F(FileChoosersTest, DatabaseDialogFollowsTheDatabaseFormat) {
    EXPECT_FALSE(ChooseDatabaseFile());
    Shared().databaseFormat = 1;
    EXPECT_FALSE(ChooseDatabaseFile());
    ASSERT_EQ(platform->openRequests.size(), 2u);
    EXPECT_EQ(platform->openRequests[0].filter, "Files (*.fa);;All Files (*)");
    EXPECT_EQ(platform->openRequests[0].defaultExtension, "fa");
    EXPECT_EQ(platform->openRequests[0].initialFolder, workspace + "database/");
    EXPECT_EQ(platform->openRequests[1].filter, "Files (*.txt);;All Files (*)");
    EXPECT_EQ(platform->openRequests[1].defaultExtension, "txt");
}

TEST_F(FileChoosersTest, ChosenFileReplacesThePathAndCancelKeepsIt) {
    Shared().databasePath = "/old/genome.fa";
    EXPECT_FALSE(ChooseDatabaseFile());
    EXPECT_EQ(Shared().databasePath, "/old/genome.fa");
    platform->openFiles.push_back("/data/my genome.fa");
    EXPECT_TRUE(ChooseDatabaseFile());
    EXPECT_EQ(Shared().databasePath, "/data/my genome.fa");

    Shared().annotationPath = "/old/genes.gff3";
    EXPECT_FALSE(ChooseAnnotationFile());
    EXPECT_EQ(Shared().annotationPath, "/old/genes.gff3");
    platform->openFiles.push_back("/data/genes.gff3");
    EXPECT_TRUE(ChooseAnnotationFile());
    EXPECT_EQ(Shared().annotationPath, "/data/genes.gff3");
    EXPECT_TRUE(platform->messages.empty());
}

struct AnnotationDialogCase {
    const char* type;
    const char* initialName;
    const char* defaultExtension;
};

class AnnotationDialog : public WorkspaceTest, public ::testing::WithParamInterface<AnnotationDialogCase> {};

TEST_P(AnnotationDialog, OffersFilesOfTheAnnotationType) {
    Shared().annotationType = GetParam().type;
    EXPECT_FALSE(ChooseAnnotationFile());
    ASSERT_EQ(platform->openRequests.size(), 1u);
    EXPECT_EQ(platform->openRequests[0].initialName, GetParam().initialName);
    EXPECT_EQ(platform->openRequests[0].defaultExtension, GetParam().defaultExtension);
    EXPECT_NE(platform->openRequests[0].filter.find(GetParam().initialName), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Types, AnnotationDialog,
                         ::testing::Values(AnnotationDialogCase{"gff3", "*.gff3", "gff3"},
                                           AnnotationDialogCase{"gtf", "*.gtf", "gtf"},
                                           AnnotationDialogCase{"refFlat", "*.txt", "refFlat"}));

}  // namespace
}  // namespace tallowby::test
