#pragma once
// "Database Format": one FASTA file or a chromosome set, and two conveniences. Every change applies
// at once; the form has no OK button.

#include "app/forms/FormDialog.h"

class QCheckBox;
class QRadioButton;

namespace tallowby {

class CDLGConfigDBFormat : public FormDialog {
public:
    explicit CDLGConfigDBFormat(QWidget* parent = nullptr);

    QRadioButton* sequenceButton = nullptr;  // "Sequence ( .fa )"
    QRadioButton* chromSetButton = nullptr;  // "Chrom sets ( big data )"
    QCheckBox* autoSiteCutBox = nullptr;
    QCheckBox* blastOverlapBox = nullptr;
};

}  // namespace tallowby
