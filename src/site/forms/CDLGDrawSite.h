#pragma once
// "Draw site": type a site, pick the annotation and database, and draw the site's circles (or, with
// the viewer, its linear structure or position).

#include "app/forms/FormDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tallowby {

class CDLGDrawSite : public FormDialog {
public:
    explicit CDLGDrawSite(QWidget* parent = nullptr);
    ~CDLGDrawSite() override;

    // The site form open at the moment (the site-adjust notice rewrites its Start and End), or null.
    static CDLGDrawSite* OpenForm();
    void ShowSiteNumbers(const std::string& startText, const std::string& endText);

    QLineEdit* chromEdit = nullptr;
    QLineEdit* startEdit = nullptr;
    QLineEdit* endEdit = nullptr;
    QPushButton* cleanButton = nullptr;
    QPushButton* siteInfoButton = nullptr;
    QLineEdit* annotationEdit = nullptr;
    QPushButton* annotationOpenButton = nullptr;
    QLabel* databaseLabel = nullptr;
    QLineEdit* databaseEdit = nullptr;
    QPushButton* databaseOpenButton = nullptr;
    QComboBox* annotationTypeList = nullptr;
    QComboBox* drawTypeList = nullptr;
    QPushButton* drawButton = nullptr;
    QLabel* statusLine = nullptr;

private:
    QLayout* BuildSiteRow();
    QLayout* BuildFileRows();
    QLayout* BuildDrawRow();
    void ReadSiteFields();
    void OnDraw();
    void DrawCircle();
    void OnSiteInfo();
    void OnClean();
    void OnChromChanged(const QString& text);
    void OnStartChanged(const QString& text);
};

}  // namespace tallowby
