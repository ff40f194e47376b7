#include "site/forms/CDLGDrawSiteMulty.h"

#include "app/SharedState.h"
#include "app/Text.h"
#include "app/forms/FormCatalog.h"
#include "site/EntryInfo.h"
#include "site/SiteDraw.h"
#include "site/SitePipeline.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace tallowby {

namespace {
QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// Where a name goes in a list kept in byte order.
int SortedRow(const QListWidget* list, const std::string& name) {
    int row = 0;
    while (row < list->count() && list->item(row)->text().toStdString() < name) ++row;
    return row;
}
}  // namespace

CDLGDrawSiteMulty::CDLGDrawSiteMulty(QWidget* parent)
    : FormDialog("CDLGDrawSiteMulty", QStringLiteral("Circle isoform choose"), parent) {
    heading = new QLabel;
    heading->setWordWrap(true);
    tabs = new QTabBar;
    for (const char* tab : {"all struct", "draw struct", "pro struct"}) tabs->addTab(QString::fromUtf8(tab));
    infoText = new QPlainTextEdit;
    infoText->setReadOnly(true);
    infoText->setLineWrapMode(QPlainTextEdit::NoWrap);
    okButton = new QPushButton(QStringLiteral("OK"));
    okButton->setMinimumHeight(40);
    cancelButton = new QPushButton(QStringLiteral("Cancel"));

    auto* infoColumn = new QVBoxLayout;
    infoColumn->setSpacing(0);
    infoColumn->addWidget(tabs);
    infoColumn->addWidget(infoText);
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(okButton);
    buttonColumn->addStretch();
    buttonColumn->addWidget(cancelButton);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(infoColumn, 1);
    bottom->addLayout(buttonColumn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(BuildLists());
    layout->addLayout(bottom);
    setMinimumSize(600, 500);

    connect(allList, &QListWidget::currentRowChanged, this, &CDLGDrawSiteMulty::ShowInfo);
    connect(tabs, &QTabBar::currentChanged, this, &CDLGDrawSiteMulty::ShowInfo);
    connect(addButton, &QPushButton::clicked, this, &CDLGDrawSiteMulty::OnAdd);
    connect(upButton, &QPushButton::clicked, this, [this] { OnMove(-1); });
    connect(downButton, &QPushButton::clicked, this, [this] { OnMove(1); });
    connect(deleteButton, &QPushButton::clicked, this, [this] {
        if (drawList->currentRow() >= 0) delete drawList->takeItem(drawList->currentRow());
    });
    connect(delAllButton, &QPushButton::clicked, drawList, &QListWidget::clear);
    connect(circleButton, &QPushButton::clicked, this, [] { RunRegisteredForm("CDLGCircDrawFormat"); });
    connect(okButton, &QPushButton::clicked, this, &CDLGDrawSiteMulty::OnOk);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    ShowEntries();
    CenterOnScreen();
}

QLayout* CDLGDrawSiteMulty::BuildLists() {
    allLabel = new QLabel(QStringLiteral("All isoforms"));
    allList = new QListWidget;
    addButton = new QPushButton(QStringLiteral("->"));
    drawLabel = new QLabel(QStringLiteral("Draw isoforms in order"));
    drawList = new QListWidget;
    upButton = new QPushButton(QStringLiteral("↑"));
    downButton = new QPushButton(QStringLiteral("↓"));
    deleteButton = new QPushButton(QStringLiteral("Delete"));
    delAllButton = new QPushButton(QStringLiteral("Del All"));
    formatLabel = new QLabel(QStringLiteral("Format"));
    circleButton = new QPushButton(QStringLiteral("Circle"));
    for (QPushButton* narrow : {addButton, upButton, downButton}) narrow->setMaximumWidth(36);
    for (QPushButton* small : {deleteButton, delAllButton, circleButton}) small->setMaximumWidth(80);

    auto* grid = new QGridLayout;
    grid->addWidget(allLabel, 0, 0);
    grid->addWidget(drawLabel, 0, 2);
    grid->addWidget(allList, 1, 0, 4, 1);
    grid->addWidget(addButton, 1, 1);
    grid->addWidget(drawList, 1, 2, 4, 1);
    grid->addWidget(upButton, 1, 3);
    grid->addWidget(deleteButton, 1, 4);
    grid->addWidget(downButton, 2, 3);
    grid->addWidget(delAllButton, 2, 4);
    grid->addWidget(formatLabel, 3, 3);
    grid->addWidget(circleButton, 3, 4);
    grid->setRowStretch(4, 1);
    return grid;
}

void CDLGDrawSiteMulty::ShowEntries() {
    const SitePipelineState& state = SitePipeline();
    const CurrentSite& site = Site();
    if (state.drawOrder.empty()) {
        for (QWidget* hidden : std::initializer_list<QWidget*>{allLabel, drawLabel, allList, drawList, addButton, upButton,
                                                               downButton, deleteButton, delAllButton, infoText, tabs,
                                                               formatLabel})
            hidden->hide();
        heading->setText(ToQt(Format("There is no gene on input site %s:%d..%d.", site.siteChrom.c_str(),
                                     site.siteStart, site.siteEnd)));
        return;
    }
    for (const auto& entry : state.drawOrder) {
        allList->addItem(ToQt(entry.first));
        drawList->addItem(ToQt(entry.first));
    }
    const int count = static_cast<int>(state.drawOrder.size());
    heading->setText(ToQt(count == 1 ? Format("There is a kind of struct on input site %s:%d..%d.",
                                              site.siteChrom.c_str(), site.siteStart, site.siteEnd)
                                     : Format("There are %d isoforms on input site %s:%d..%d. Any sets of isoforms "
                                              "could be drawn in the order you like.",
                                              count, site.siteChrom.c_str(), site.siteStart, site.siteEnd)));
    allList->setCurrentRow(0);
    ShowInfo();
}

void CDLGDrawSiteMulty::ShowInfo() {
    QListWidgetItem* selected = allList->currentItem();
    if (!selected) return;
    std::string info = BuildEntryInfo(static_cast<EntryInfoMode>(tabs->currentIndex()), selected->text().toStdString());
    // The text keeps its CR LF line ends; the box shows one line break for each.
    infoText->setPlainText(ToQt(info).remove(QLatin1Char('\r')));
}

void CDLGDrawSiteMulty::OnAdd() {
    QListWidgetItem* selected = allList->currentItem();
    if (!selected) return;
    const QList<QListWidgetItem*> present = drawList->findItems(selected->text(), Qt::MatchExactly);
    if (!present.isEmpty()) {
        drawList->setCurrentItem(present.first());
        return;
    }
    int row = SortedRow(drawList, selected->text().toStdString());
    drawList->insertItem(row, selected->text());
    drawList->setCurrentRow(row);
}

void CDLGDrawSiteMulty::OnMove(int step) {
    int row = drawList->currentRow();
    int target = row + step;
    if (row < 0 || target < 0 || target >= drawList->count()) return;
    QListWidgetItem* item = drawList->takeItem(row);
    drawList->insertItem(target, item);
    drawList->setCurrentRow(target);
}

std::vector<std::string> CDLGDrawSiteMulty::DrawListEntries() const {
    std::vector<std::string> entries;
    for (int row = 0; row < drawList->count(); ++row) entries.push_back(drawList->item(row)->text().toStdString());
    return entries;
}

void CDLGDrawSiteMulty::OnOk() {
    if (ConfirmDrawOrder(DrawListEntries())) accept();
}

namespace {
const FormRegistration kRegistration{"CDLGDrawSiteMulty", [] { return new CDLGDrawSiteMulty; }};
}  // namespace

}  // namespace tallowby
