#pragma once
// A workspace test with the genome records (reference store, gene model, remembered annotation
// files) at their start values, and the paths of the genome fixtures.

#include "genome/AnnotationModel.h"
#include "genome/AnnotationScan.h"
#include "genome/ReferenceStore.h"
#include "support/TestWorkspace.h"

#include <string>

namespace tallowby::test {

inline const std::string kGenomeData = TALLOWBY_TEST_DATA "/genome/";

class GenomeTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        ResetReferenceStore();
        ResetAnnotationModel();
        ResetAnnotationBlocks();
    }
};

}  // namespace tallowby::test
