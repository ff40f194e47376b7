#include "site/forms/CDLGSiteInfo.h"

#include "app/ExternalRun.h"
#include "app/Messages.h"
#include "app/NoticeActions.h"
#include "app/SharedState.h"
#include "app/forms/FormCatalog.h"
#include "site/SiteInfo.h"
#include "site/forms/CDLGDrawSite.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallowby {

namespace {
CDLGSiteInfo* gOpenForm = nullptr;
QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// Accepting the offer moves the current site, and the open forms show it.
void AdjustInputSite() {
    ApplyAdjustedSite();
    if (CDLGDrawSite* site = CDLGDrawSite::OpenForm()) site->ShowSiteNumbers(Site().siteStartText, Site().siteEndText);
    if (CDLGSiteInfo* info = CDLGSiteInfo::OpenForm()) info->ShowInputSite();
}
}  // namespace

CDLGSiteInfo::CDLGSiteInfo(QWidget* parent) : FormDialog("CDLGSiteInfo", QStringLiteral("Site Info"), parent) {
    inputSiteLabel = new QLabel;
    getSequenceButton = new QPushButton(QStringLiteral("Get"));
    getSpliceButton = new QPushButton(QStringLiteral("Get"));
    searchButton = new QPushButton(QStringLiteral("Search"));
    statusLine = new QLabel;
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Get gemone sequence")), 0, 0);
    grid->addWidget(getSequenceButton, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Get splicing site")), 0, 2);
    grid->addWidget(getSpliceButton, 0, 3);
    grid->addWidget(
        new QLabel(QStringLiteral("Adjust site to splicing site ( AG/GT ) or annotation file ( only for circle site )")),
        1, 0, 1, 4);
    grid->addWidget(searchButton, 2, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputSiteLabel);
    layout->addSpacing(12);
    layout->addLayout(grid);
    layout->addWidget(statusLine);
    setMinimumWidth(480);

    connect(getSequenceButton, &QPushButton::clicked, this, &CDLGSiteInfo::OnGetSequence);
    connect(getSpliceButton, &QPushButton::clicked, this, &CDLGSiteInfo::OnGetSplice);
    connect(searchButton, &QPushButton::clicked, this, &CDLGSiteInfo::OnSearch);

    RefreshInputSiteText();
    ShowInputSite();
    gOpenForm = this;
    Plat().SetStatusSink([this](const std::string& text) { statusLine->setText(ToQt(text)); });
    CenterOnScreen();
}

CDLGSiteInfo::~CDLGSiteInfo() {
    if (gOpenForm == this) gOpenForm = nullptr;
    // The site form underneath takes its status line back.
    if (CDLGDrawSite* site = CDLGDrawSite::OpenForm())
        Plat().SetStatusSink([site](const std::string& text) { site->statusLine->setText(ToQt(text)); });
    else
        Plat().SetStatusSink(nullptr);
}

CDLGSiteInfo* CDLGSiteInfo::OpenForm() { return gOpenForm; }

void CDLGSiteInfo::ShowInputSite() { inputSiteLabel->setText(ToQt(SiteInfo().inputSiteText)); }

void CDLGSiteInfo::OnGetSequence() {
    if (std::optional<std::string> path = WriteSiteSequence()) OpenWithDefaultViewer(*path);
}

void CDLGSiteInfo::OnGetSplice() {
    if (std::optional<std::string> text = SpliceSiteText()) ShowInformation(*text);
}

void CDLGSiteInfo::OnSearch() {
    std::optional<SiteSearchResult> result = SearchSiteShift();
    if (!result) return;
    if (!result->offer) {
        ShowInformation(result->text);
        return;
    }
    RunRegisteredForm("CDLGErrCircConfig");
}

namespace {
const FormRegistration kRegistration{"CDLGSiteInfo", [] { return new CDLGSiteInfo; }};
const bool kAdjustRegistered = (RegisterNoticeAction("adjust_input_site", AdjustInputSite), true);
}  // namespace

}  // namespace tallowby
