#pragma once
// "Circle draw format": how the R scripts draw circles — colour set, ring widths, direction, UTRs,
// gene direction, 3D or 2D. Opening it mirrors the format into circ_format.txt silently; Apply and
// Default save it and say so.

#include "app/forms/FormDialog.h"
#include "formats/CircleFormatFile.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace tallowby {

class ColourSwatchView;

class CDLGCircDrawFormat : public FormDialog {
public:
    explicit CDLGCircDrawFormat(QWidget* parent = nullptr);

    QComboBox* siteWidthList = nullptr;    // editable, "3".."10"
    QComboBox* intervalList = nullptr;     // editable, "0".."10"
    QComboBox* singleWidthList = nullptr;  // editable, "3".."10"
    QComboBox* colourList = nullptr;
    ColourSwatchView* swatch = nullptr;
    QRadioButton* draw3DButton = nullptr;
    QRadioButton* draw2DButton = nullptr;
    QRadioButton* anticlockwiseButton = nullptr;
    QRadioButton* clockwiseButton = nullptr;
    QCheckBox* showUtrBox = nullptr;
    QCheckBox* showDirectionBox = nullptr;
    QPushButton* defaultButton = nullptr;
    QPushButton* applyButton = nullptr;

    // Paints the swatch for the selected colour and the state's drawing mode.
    void PaintSwatch();

private:
    QWidget* MakeWidthGroups();
    QWidget* MakeColourColumn();
    QWidget* MakeToggles();
    void ShowChoice(const CircleFormatChoice& choice);
    void ShowListSelections(const CircleWidthLists& lists);
    CircleFormatChoice ReadChoice() const;
    void OnDrawModeClicked();
    void OnApply();
    void OnDefault();
};

}  // namespace tallowby
