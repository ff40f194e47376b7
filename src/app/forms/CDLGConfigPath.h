#pragma once
// "Tool Path": where BLAST+, R and circos are found for this run.

#include "app/forms/FormDialog.h"

#include <QStringList>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tallowby {

class CDLGConfigPath : public FormDialog {
public:
    explicit CDLGConfigPath(QWidget* parent = nullptr);

    // One group per tool: its mode buttons (first = mode 0) and the label, edit and Open button
    // that a Custom mode enables.
    struct ToolGroup {
        std::vector<QRadioButton*> modes;
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
        QPushButton* open = nullptr;
        int customMode = 0;
    };
    ToolGroup blast, r, circos;
    QPushButton* applyButton = nullptr;
    QPushButton* helpButton = nullptr;

private:
    QWidget* MakeGroup(ToolGroup& group, const QString& title, const QStringList& modeLabels, const QString& label);
    void ShowState();
    void OnModeClicked(ToolGroup& group);
    void OnOpen(ToolGroup& group);
    void OnApply();
    void OnHelp();
};

}  // namespace tallowby
