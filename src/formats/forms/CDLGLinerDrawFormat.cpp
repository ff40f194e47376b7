#include "formats/forms/CDLGLinerDrawFormat.h"

#include "app/forms/FormCatalog.h"
#include "formats/forms/ColourSwatchView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tallowby {

CDLGLinerDrawFormat::CDLGLinerDrawFormat(QWidget* parent)
    : FormDialog("CDLGLinerDrawFormat", QStringLiteral("Linear draw format"), parent) {
    applyButton = new QPushButton(QStringLiteral("Apply"));
    auto* top = new QHBoxLayout;
    top->addWidget(MakeColourColumn());
    top->addWidget(MakeSwitches(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    ShowWorkingValues();
    ApplyWorkingGeneColours();
    referenceColourIndex = LinearFormatState().working.geneColourIndex;

    connect(geneColourList, &QComboBox::currentIndexChanged, this, &CDLGLinerDrawFormat::PreviewGeneColours);
    connect(singleColourBox, &QCheckBox::clicked, this, &CDLGLinerDrawFormat::PreviewGeneColours);
    connect(applyButton, &QPushButton::clicked, this, &CDLGLinerDrawFormat::OnApply);
    // The first preview waits until the form has its size.
    QTimer::singleShot(100, this, &CDLGLinerDrawFormat::PreviewGeneColours);
    CenterOnScreen();
}

QWidget* CDLGLinerDrawFormat::MakeColourColumn() {
    geneColourList = new QComboBox;
    for (const std::string& name : LinearSchemeNames()) geneColourList->addItem(QString::fromStdString(name));
    preview = new ColourSwatchView;
    preview->setFixedSize(96, 40);
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->addWidget(new QLabel(QStringLiteral("Gene color")));
    layout->addWidget(geneColourList);
    layout->addWidget(preview);
    layout->addStretch();
    return column;
}

QWidget* CDLGLinerDrawFormat::MakeSwitches() {
    singleColourBox = new QCheckBox(QStringLiteral("single color"));
    geneDirectionBox = new QCheckBox(QStringLiteral("show gene direction"));
    geneNameBox = new QCheckBox(QStringLiteral("show gene name"));
    backgroundLinesBox = new QCheckBox(QStringLiteral("background lines"));
    coordinateAxisBox = new QCheckBox(QStringLiteral("coordinate axis"));
    auto* switches = new QWidget;
    auto* layout = new QVBoxLayout(switches);
    for (QCheckBox* box : {singleColourBox, geneDirectionBox, geneNameBox, backgroundLinesBox, coordinateAxisBox})
        layout->addWidget(box);
    layout->addStretch();
    return switches;
}

void CDLGLinerDrawFormat::ShowWorkingValues() {
    const LinearFormatChoice& working = LinearFormatState().working;
    singleColourBox->setChecked(working.singleColour != 0);
    geneDirectionBox->setChecked(working.geneDirection != 0);
    geneNameBox->setChecked(working.geneName != 0);
    backgroundLinesBox->setChecked(working.backgroundLines != 0);
    coordinateAxisBox->setChecked(working.coordinateAxis != 0);
    if (working.geneColourIndex >= 0 && working.geneColourIndex < geneColourList->count())
        geneColourList->setCurrentIndex(working.geneColourIndex);
}

LinearFormatChoice CDLGLinerDrawFormat::ReadChoice() const {
    LinearFormatChoice choice;
    choice.geneColourIndex = geneColourList->currentIndex();
    choice.singleColour = singleColourBox->isChecked() ? 1 : 0;
    choice.geneDirection = geneDirectionBox->isChecked() ? 1 : 0;
    choice.geneName = geneNameBox->isChecked() ? 1 : 0;
    choice.backgroundLines = backgroundLinesBox->isChecked() ? 1 : 0;
    choice.coordinateAxis = coordinateAxisBox->isChecked() ? 1 : 0;
    return choice;
}

void CDLGLinerDrawFormat::PreviewGeneColours() {
    LinearFormatChoice choice = ReadChoice();
    LinearFormatState().working = choice;
    preview->SetFills(
        LinearPreviewFills(choice.geneColourIndex, choice.singleColour != 0, preview->width(), preview->height()));
}

void CDLGLinerDrawFormat::OnApply() { ApplyLinearFormat(ReadChoice(), referenceColourIndex); }

namespace {
const FormRegistration kRegistration{"CDLGLinerDrawFormat", [] { return new CDLGLinerDrawFormat; }};
}  // namespace

}  // namespace tallowby
