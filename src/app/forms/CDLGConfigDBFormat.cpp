#include "app/forms/CDLGConfigDBFormat.h"

#include "app/DatabaseFormat.h"
#include "app/SharedState.h"
#include "app/forms/FormCatalog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallowby {

CDLGConfigDBFormat::CDLGConfigDBFormat(QWidget* parent)
    : FormDialog("CDLGConfigDBFormat", QStringLiteral("Database Format"), parent) {
    sequenceButton = new QRadioButton(QStringLiteral("Sequence ( .fa )"));
    chromSetButton = new QRadioButton(QStringLiteral("Chrom sets ( big data )"));
    autoSiteCutBox = new QCheckBox(QStringLiteral("Auto input site cut ( - ,  _ , ' ' , \\t , : )"));
    blastOverlapBox = new QCheckBox(QStringLiteral("BLAST overlap adjust ( Draw seq )"));

    auto* group = new QGroupBox(QStringLiteral("Database format"));
    auto* radios = new QHBoxLayout;
    radios->addWidget(sequenceButton);
    radios->addWidget(chromSetButton);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(radios);
    groupLayout->addWidget(autoSiteCutBox);
    groupLayout->addWidget(blastOverlapBox);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);

    const FormState& state = Shared();
    (state.databaseFormat == 0 ? sequenceButton : chromSetButton)->setChecked(true);
    autoSiteCutBox->setChecked(state.autoSiteCut);
    blastOverlapBox->setChecked(state.blastOverlapAdjust);

    connect(sequenceButton, &QRadioButton::clicked, this, [] { ChooseDatabaseFormat(0); });
    connect(chromSetButton, &QRadioButton::clicked, this, [] { ChooseDatabaseFormat(1); });
    connect(autoSiteCutBox, &QCheckBox::clicked, this, [](bool checked) { Shared().autoSiteCut = checked; });
    connect(blastOverlapBox, &QCheckBox::clicked, this, [](bool checked) { Shared().blastOverlapAdjust = checked; });
    setMinimumSize(320, 200);
    CenterOnScreen();
}

namespace {
const FormRegistration kRegistration{"CDLGConfigDBFormat", [] { return new CDLGConfigDBFormat; }};
}  // namespace

}  // namespace tallowby
