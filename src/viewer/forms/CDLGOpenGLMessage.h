#pragma once
// The help shown before a viewer opens: which keys save, zoom and pan. "Not show again" keeps it
// away for the rest of the run (never saved); while that holds, running the form shows nothing.

#include "app/forms/FormDialog.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tallowby {

class CDLGOpenGLMessage : public FormDialog {
public:
    explicit CDLGOpenGLMessage(QWidget* parent = nullptr);

    QLabel* helpText = nullptr;
    QCheckBox* notShowAgainBox = nullptr;
    QPushButton* okButton = nullptr;

    // Returns Accepted at once, unseen, when the help was turned off.
    int exec() override;

private:
    void OnOk();
};

}  // namespace tallowby
