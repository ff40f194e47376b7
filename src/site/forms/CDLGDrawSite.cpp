#include "site/forms/CDLGDrawSite.h"

#include "app/Checks.h"
#include "app/FileChoosers.h"
#include "app/Messages.h"
#include "app/SharedState.h"
#include "app/forms/FormCatalog.h"
#include "site/SiteDraw.h"
#include "site/SitePipeline.h"
#include "site/SiteText.h"
#include "viewer/ViewerLaunch.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace tallowby {

namespace {
CDLGDrawSite* gOpenForm = nullptr;

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

void EnableItem(QComboBox* list, int index, bool enabled) {
    if (auto* model = qobject_cast<QStandardItemModel*>(list->model()))
        if (QStandardItem* item = model->item(index)) item->setEnabled(enabled);
}
}  // namespace

CDLGDrawSite::CDLGDrawSite(QWidget* parent) : FormDialog("CDLGDrawSite", QStringLiteral("Draw site"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildSiteRow());
    layout->addSpacing(12);
    layout->addLayout(BuildFileRows());
    layout->addSpacing(12);
    layout->addLayout(BuildDrawRow());
    statusLine = new QLabel;
    layout->addWidget(statusLine);
    setMinimumWidth(520);

    FormState& state = Shared();
    if (state.annotationType.empty()) state.annotationType = "gff3";
    annotationTypeList->setCurrentIndex(state.annotationType == "gtf" ? 1 : state.annotationType == "refFlat" ? 2 : 0);
    if (!state.annotationPath.empty()) annotationEdit->setText(ToQt(state.annotationPath));
    if (!state.databasePath.empty()) databaseEdit->setText(ToQt(state.databasePath));
    databaseLabel->setText(ToQt(state.databaseLabel));

    // The linear pictures and the site info come with the viewer and the site analysis forms.
    const bool viewer = FindForm("CDLGOpenGLMessage") != nullptr;
    EnableItem(drawTypeList, 1, viewer);
    EnableItem(drawTypeList, 2, viewer);
    siteInfoButton->setEnabled(FindForm("CDLGSiteInfo") != nullptr);

    connect(drawButton, &QPushButton::clicked, this, &CDLGDrawSite::OnDraw);
    connect(siteInfoButton, &QPushButton::clicked, this, &CDLGDrawSite::OnSiteInfo);
    connect(cleanButton, &QPushButton::clicked, this, &CDLGDrawSite::OnClean);
    connect(chromEdit, &QLineEdit::textChanged, this, &CDLGDrawSite::OnChromChanged);
    connect(startEdit, &QLineEdit::textChanged, this, &CDLGDrawSite::OnStartChanged);
    connect(annotationOpenButton, &QPushButton::clicked, this, [this] {
        if (ChooseAnnotationFile()) annotationEdit->setText(ToQt(Shared().annotationPath));
    });
    connect(databaseOpenButton, &QPushButton::clicked, this, [this] {
        if (ChooseDatabaseFile()) databaseEdit->setText(ToQt(Shared().databasePath));
    });
    connect(annotationTypeList, &QComboBox::currentTextChanged, this,
            [](const QString& type) { Shared().annotationType = type.toStdString(); });

    gOpenForm = this;
    Plat().SetStatusSink([this](const std::string& text) { statusLine->setText(ToQt(text)); });
    CenterOnScreen();
}

CDLGDrawSite::~CDLGDrawSite() {
    if (gOpenForm == this) gOpenForm = nullptr;
    Plat().SetStatusSink(nullptr);
}

CDLGDrawSite* CDLGDrawSite::OpenForm() { return gOpenForm; }

void CDLGDrawSite::ShowSiteNumbers(const std::string& startText, const std::string& endText) {
    startEdit->setText(ToQt(startText));
    endEdit->setText(ToQt(endText));
}

QLayout* CDLGDrawSite::BuildSiteRow() {
    chromEdit = new QLineEdit;
    startEdit = new QLineEdit;
    endEdit = new QLineEdit;
    cleanButton = new QPushButton(QStringLiteral("Clean"));
    siteInfoButton = new QPushButton(QStringLiteral("Site Info"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Chrom")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Start")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("End")), 0, 4);
    grid->addWidget(chromEdit, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("-")), 1, 1);
    grid->addWidget(startEdit, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("-")), 1, 3);
    grid->addWidget(endEdit, 1, 4);
    grid->addWidget(cleanButton, 1, 5);
    grid->addWidget(siteInfoButton, 1, 6);
    return grid;
}

QLayout* CDLGDrawSite::BuildFileRows() {
    annotationEdit = new QLineEdit;
    annotationOpenButton = new QPushButton(QStringLiteral("Open"));
    databaseLabel = new QLabel(QStringLiteral("Database(.fa)"));
    databaseEdit = new QLineEdit;
    databaseOpenButton = new QPushButton(QStringLiteral("Open"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Gene annotation file")), 0, 0);
    grid->addWidget(annotationEdit, 1, 0);
    grid->addWidget(annotationOpenButton, 1, 1);
    grid->addWidget(databaseLabel, 2, 0);
    grid->addWidget(databaseEdit, 3, 0);
    grid->addWidget(databaseOpenButton, 3, 1);
    return grid;
}

QLayout* CDLGDrawSite::BuildDrawRow() {
    annotationTypeList = new QComboBox;
    annotationTypeList->addItems({QStringLiteral("gff3"), QStringLiteral("gtf"), QStringLiteral("refFlat")});
    drawTypeList = new QComboBox;
    drawTypeList->addItems({QStringLiteral("Circle"), QStringLiteral("Linear struct"), QStringLiteral("Linear pos")});
    drawButton = new QPushButton(QStringLiteral("Draw"));
    drawButton->setMinimumHeight(40);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Anno file type")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Draw type")), 0, 1);
    grid->addWidget(annotationTypeList, 1, 0);
    grid->addWidget(drawTypeList, 1, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(drawButton, 0, 3, 2, 1);
    return grid;
}

void CDLGDrawSite::ReadSiteFields() {
    StoreSiteFields(chromEdit->text().toStdString(), startEdit->text().toStdString(), endEdit->text().toStdString());
}

void CDLGDrawSite::OnDraw() {
    ReadSiteFields();
    const int drawType = drawTypeList->currentIndex();
    if (drawType == 2) {
        if (CheckSiteAndMeasureChromosome(databaseEdit->text().toStdString())) ShowViewerHelpThenOpenPosition();
        return;
    }
    if (!CheckSiteAndLoadAnnotation(annotationEdit->text().toStdString())) return;
    if (drawType == 0)
        DrawCircle();
    else
        ShowViewerHelpThenOpenStructure("site");
}

void CDLGDrawSite::DrawCircle() {
    ComputeSiteCircles();
    RunRegisteredForm("CDLGDrawSiteMulty");
    if (SitePipeline().chooserStatus == -1) return;
    if (DrawChosenCircles() != DrawOutcome::FitRefused) return;
    if (AskQuestion(Shared().noticeText)) RunRegisteredForm("CDLGCircDrawFormat");
}

void CDLGDrawSite::OnSiteInfo() {
    ReadSiteFields();
    const CurrentSite& site = Site();
    if (!CheckSite(site.siteChrom, site.siteStartText, site.siteEndText, site.siteStart, site.siteEnd)) return;
    Shared().annotationPath = annotationEdit->text().toStdString();
    Shared().databasePath = databaseEdit->text().toStdString();
    if (!CheckInput(Shared().databasePath, "database file", InputKind::File)) return;
    RunRegisteredForm("CDLGSiteInfo");
}

void CDLGDrawSite::OnClean() {
    chromEdit->clear();
    startEdit->clear();
    endEdit->clear();
    CurrentSite& site = Site();
    site.siteChrom.clear();
    site.siteStartText.clear();
    site.siteEndText.clear();
    site.siteStart = 0;
    site.siteEnd = 0;
}

void CDLGDrawSite::OnChromChanged(const QString& text) {
    if (!Shared().autoSiteCut) return;
    Site().siteChrom = text.toStdString();
    std::optional<SiteFields> fields = ParseSiteText(text.toStdString());
    if (!fields) return;
    chromEdit->setText(ToQt(fields->chrom));
    startEdit->setText(ToQt(fields->start));
    endEdit->setText(ToQt(fields->end));
    // A site typed key by key is cut at the end part's first character: the rest belongs there.
    if (chromEdit->hasFocus()) {
        endEdit->setFocus();
        endEdit->end(false);
    }
}

void CDLGDrawSite::OnStartChanged(const QString& text) {
    auto parts = SplitStartText(text.toStdString());
    if (!parts) return;
    endEdit->setText(ToQt(parts->second));
    startEdit->setText(ToQt(parts->first));
}

namespace {
const FormRegistration kRegistration{"CDLGDrawSite", [] { return new CDLGDrawSite; }};
}  // namespace

}  // namespace tallowby
