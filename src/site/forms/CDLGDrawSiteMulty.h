#pragma once
// "Circle isoform choose": which of a site's circles to draw, in which order.

#include "app/forms/FormDialog.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabBar;

namespace tallowby {

class CDLGDrawSiteMulty : public FormDialog {
public:
    explicit CDLGDrawSiteMulty(QWidget* parent = nullptr);

    // The entry names in the draw list, top to bottom.
    std::vector<std::string> DrawListEntries() const;

    QLabel* heading = nullptr;
    QLabel* allLabel = nullptr;
    QListWidget* allList = nullptr;
    QPushButton* addButton = nullptr;  // "->"
    QLabel* drawLabel = nullptr;
    QListWidget* drawList = nullptr;
    QPushButton* upButton = nullptr;
    QPushButton* downButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* delAllButton = nullptr;
    QLabel* formatLabel = nullptr;
    QPushButton* circleButton = nullptr;
    QTabBar* tabs = nullptr;
    QPlainTextEdit* infoText = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

private:
    QLayout* BuildLists();
    void ShowEntries();
    void ShowInfo();
    void OnAdd();
    void OnMove(int step);
    void OnOk();
};

}  // namespace tallowby
