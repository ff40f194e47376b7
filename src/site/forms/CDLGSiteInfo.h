#pragma once
// "Site Info": the current site's sequence, the bases around its ends, and the search for an
// equivalent site on a splice motif or exon boundaries, with the offer to move to it.

#include "app/forms/FormDialog.h"

class QLabel;
class QPushButton;

namespace tallowby {

class CDLGSiteInfo : public FormDialog {
public:
    explicit CDLGSiteInfo(QWidget* parent = nullptr);
    ~CDLGSiteInfo() override;

    // The site info form open at the moment, or null.
    static CDLGSiteInfo* OpenForm();
    void ShowInputSite();

    QLabel* inputSiteLabel = nullptr;
    QPushButton* getSequenceButton = nullptr;
    QPushButton* getSpliceButton = nullptr;
    QPushButton* searchButton = nullptr;
    QLabel* statusLine = nullptr;

private:
    void OnGetSequence();
    void OnGetSplice();
    void OnSearch();
};

}  // namespace tallowby
