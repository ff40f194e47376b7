#pragma once
// "Linear draw format": the gene colour scheme and the switches of the linear viewer pictures
// (formats/LinearFormat.h). The controls show the working values; Apply makes them the applied
// values the viewer reads. Opening already rebuilds the gene colours from the working scheme.

#include "app/forms/FormDialog.h"
#include "formats/LinearFormat.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace tallowby {

class ColourSwatchView;

class CDLGLinerDrawFormat : public FormDialog {
public:
    explicit CDLGLinerDrawFormat(QWidget* parent = nullptr);

    QComboBox* geneColourList = nullptr;
    ColourSwatchView* preview = nullptr;
    QCheckBox* singleColourBox = nullptr;
    QCheckBox* geneDirectionBox = nullptr;
    QCheckBox* geneNameBox = nullptr;
    QCheckBox* backgroundLinesBox = nullptr;
    QCheckBox* coordinateAxisBox = nullptr;
    QPushButton* applyButton = nullptr;

    // The list item at opening or at this opening's last Apply.
    int referenceColourIndex = 0;

    // Reads every control into the working values and paints the preview of the chosen scheme.
    void PreviewGeneColours();

private:
    QWidget* MakeColourColumn();
    QWidget* MakeSwitches();
    void ShowWorkingValues();
    LinearFormatChoice ReadChoice() const;
    void OnApply();
};

}  // namespace tallowby
