#include "formats/forms/CDLGCircDrawFormat.h"

#include "app/forms/FormCatalog.h"
#include "formats/ColourNames.h"
#include "formats/ColourSwatch.h"
#include "formats/forms/ColourSwatchView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tallowby {

namespace {
QComboBox* MakeList(const std::vector<std::string>& items, bool editable) {
    auto* list = new QComboBox;
    list->setEditable(editable);
    // A typed text stays typed: it is checked on Apply, never added to the items.
    list->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : items) list->addItem(QString::fromStdString(item));
    return list;
}

// The list's item when the shown text is that item; otherwise the shown text is a typed value.
WidthListEntry ReadList(const QComboBox* list) {
    WidthListEntry entry;
    entry.text = list->currentText().toStdString();
    int index = list->currentIndex();
    if (index >= 0 && list->itemText(index) == list->currentText()) entry.selectedIndex = index;
    return entry;
}

void SelectItem(QComboBox* list, int index) {
    if (index >= 0 && index < list->count()) list->setCurrentIndex(index);
}

QWidget* RadioPair(QRadioButton* first, QRadioButton* second) {
    auto* pair = new QWidget;
    auto* group = new QButtonGroup(pair);
    group->addButton(first);
    group->addButton(second);
    auto* layout = new QVBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(second);
    return pair;
}
}  // namespace

CDLGCircDrawFormat::CDLGCircDrawFormat(QWidget* parent)
    : FormDialog("CDLGCircDrawFormat", QStringLiteral("Circle draw format"), parent) {
    auto* top = new QHBoxLayout;
    top->addWidget(MakeWidthGroups(), 1);
    top->addWidget(MakeColourColumn());
    defaultButton = new QPushButton(QStringLiteral("Default"));
    applyButton = new QPushButton(QStringLiteral("Apply"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaultButton);
    buttons->addStretch();
    buttons->addWidget(applyButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(MakeToggles());
    layout->addLayout(buttons);

    connect(colourList, &QComboBox::currentIndexChanged, this, &CDLGCircDrawFormat::PaintSwatch);
    connect(draw3DButton, &QRadioButton::clicked, this, &CDLGCircDrawFormat::OnDrawModeClicked);
    connect(draw2DButton, &QRadioButton::clicked, this, &CDLGCircDrawFormat::OnDrawModeClicked);
    connect(applyButton, &QPushButton::clicked, this, &CDLGCircDrawFormat::OnApply);
    connect(defaultButton, &QPushButton::clicked, this, &CDLGCircDrawFormat::OnDefault);

    CircleFormatChoice choice = ChoiceFromState(CircleFormatState());
    ShowChoice(choice);
    BuildColourNameTable();
    // Opening makes the file follow the state, e.g. after the file was edited by hand.
    SaveCircleFormat(choice, CircleSaveMode::Quiet);
    QTimer::singleShot(100, this, &CDLGCircDrawFormat::PaintSwatch);
    CenterOnScreen();
}

QWidget* CDLGCircDrawFormat::MakeWidthGroups() {
    siteWidthList = MakeList(CircleWidthItems(), true);
    intervalList = MakeList(CircleIntervalItems(), true);
    singleWidthList = MakeList(CircleWidthItems(), true);

    auto* siteGroup = new QGroupBox(QStringLiteral("Site with isoforms"));
    auto* siteLayout = new QFormLayout(siteGroup);
    siteLayout->addRow(QStringLiteral("Width"), siteWidthList);
    siteLayout->addRow(QStringLiteral("Interval"), intervalList);
    auto* singleGroup = new QGroupBox(QStringLiteral("Single"));
    auto* singleLayout = new QFormLayout(singleGroup);
    singleLayout->addRow(QStringLiteral("Width"), singleWidthList);

    auto* groups = new QWidget;
    auto* layout = new QHBoxLayout(groups);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(siteGroup);
    layout->addWidget(singleGroup);
    return groups;
}

QWidget* CDLGCircDrawFormat::MakeColourColumn() {
    colourList = MakeList(CircleColourNames(), false);
    swatch = new ColourSwatchView;
    swatch->setFixedSize(72, 24);
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->addWidget(new QLabel(QStringLiteral("Color")));
    layout->addWidget(colourList);
    layout->addWidget(swatch);
    layout->addStretch();
    return column;
}

QWidget* CDLGCircDrawFormat::MakeToggles() {
    draw3DButton = new QRadioButton(QStringLiteral("3D color"));
    draw2DButton = new QRadioButton(QStringLiteral("2D color"));
    anticlockwiseButton = new QRadioButton(QStringLiteral("anticlockwise"));
    clockwiseButton = new QRadioButton(QStringLiteral("clockwise"));
    showUtrBox = new QCheckBox(QStringLiteral("show UTR"));
    showDirectionBox = new QCheckBox(QStringLiteral("show gene direction"));
    auto* checks = new QWidget;
    auto* checkLayout = new QVBoxLayout(checks);
    checkLayout->setContentsMargins(0, 0, 0, 0);
    checkLayout->addWidget(showUtrBox);
    checkLayout->addWidget(showDirectionBox);

    auto* toggles = new QWidget;
    auto* layout = new QHBoxLayout(toggles);
    layout->addWidget(RadioPair(draw3DButton, draw2DButton));
    layout->addWidget(RadioPair(anticlockwiseButton, clockwiseButton));
    layout->addWidget(checks);
    layout->addStretch();
    return toggles;
}

void CDLGCircDrawFormat::ShowChoice(const CircleFormatChoice& choice) {
    ShowListSelections(choice.lists);
    SelectItem(colourList, choice.colourIndex);
    (choice.draw2D ? draw2DButton : draw3DButton)->setChecked(true);
    (choice.clockwise == 1 ? clockwiseButton : anticlockwiseButton)->setChecked(true);
    showUtrBox->setChecked(choice.showUtr != 0);
    showDirectionBox->setChecked(choice.showDirection != 0);
}

void CDLGCircDrawFormat::ShowListSelections(const CircleWidthLists& lists) {
    SelectItem(singleWidthList, lists.singleWidth.selectedIndex);
    SelectItem(siteWidthList, lists.siteWidth.selectedIndex);
    SelectItem(intervalList, lists.interval.selectedIndex);
}

CircleFormatChoice CDLGCircDrawFormat::ReadChoice() const {
    CircleFormatChoice choice;
    choice.colourIndex = colourList->currentIndex();
    choice.clockwise = clockwiseButton->isChecked() ? 1 : 0;
    choice.showUtr = showUtrBox->isChecked() ? 1 : 0;
    choice.showDirection = showDirectionBox->isChecked() ? 1 : 0;
    choice.draw2D = draw2DButton->isChecked() ? 1 : 0;
    choice.lists = {ReadList(singleWidthList), ReadList(siteWidthList), ReadList(intervalList)};
    return choice;
}

void CDLGCircDrawFormat::PaintSwatch() {
    const std::vector<int>* shades = FindColourShades(colourList->currentText().toStdString());
    bool threeD = CircleFormatState().circleDraw2D == 0;
    swatch->SetFills(shades ? ColourSwatchFills(*shades, swatch->width(), swatch->height(), threeD)
                            : std::vector<SwatchFill>{});
}

void CDLGCircDrawFormat::OnDrawModeClicked() {
    StoreCircleToggles(ReadChoice(), CircleFormatState());
    PaintSwatch();
}

void CDLGCircDrawFormat::OnApply() {
    CircleFormatChoice choice = ReadChoice();
    SaveCircleFormat(choice, CircleSaveMode::Apply);
    ShowListSelections(choice.lists);
}

void CDLGCircDrawFormat::OnDefault() {
    ShowChoice(ChoiceFromState(CircleFormat{}));
    CircleFormatChoice choice = ReadChoice();
    StoreCircleToggles(choice, CircleFormatState());
    PaintSwatch();
    SaveCircleFormat(choice, CircleSaveMode::Default);
}

namespace {
const FormRegistration kRegistration{"CDLGCircDrawFormat", [] { return new CDLGCircDrawFormat; }};
}  // namespace

}  // namespace tallowby
