#pragma once
// The notice form: a prepared text (noticeText) and an OK button labelled noticeButtonText whose
// action is chosen by noticeKind. Cancel only closes it.

#include "app/forms/FormDialog.h"

class QPushButton;
class QTextEdit;

namespace tallowby {

class CDLGErrCircConfig : public FormDialog {
public:
    explicit CDLGErrCircConfig(QWidget* parent = nullptr);

    QTextEdit* textArea = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

private:
    void OnOk();
};

}  // namespace tallowby
