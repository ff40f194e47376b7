#include "app/forms/CDLGConfigPath.h"

#include "app/Messages.h"
#include "app/SharedState.h"
#include "app/ToolPaths.h"
#include "app/Workspace.h"
#include "app/forms/FormCatalog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallowby {

namespace {
int CheckedMode(const CDLGConfigPath::ToolGroup& group) {
    for (size_t i = 0; i < group.modes.size(); ++i)
        if (group.modes[i]->isChecked()) return static_cast<int>(i);
    return 0;
}

void EnableCustomControls(const CDLGConfigPath::ToolGroup& group, bool enabled) {
    group.label->setEnabled(enabled);
    group.edit->setEnabled(enabled);
    group.open->setEnabled(enabled);
}

void SetMode(CDLGConfigPath::ToolGroup& group, int mode) {
    if (mode >= 0 && mode < static_cast<int>(group.modes.size())) group.modes[static_cast<size_t>(mode)]->setChecked(true);
    EnableCustomControls(group, mode == group.customMode);
}
}  // namespace

CDLGConfigPath::CDLGConfigPath(QWidget* parent) : FormDialog("CDLGConfigPath", QStringLiteral("Tool Path"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(blast, QStringLiteral("BLAST Path"),
                                {QStringLiteral("Default (blast_bin)"), QStringLiteral("Added to system path "),
                                 QStringLiteral("Custom ")},
                                QStringLiteral("Blast bin:")));
    layout->addWidget(MakeGroup(r, QStringLiteral("R Path"),
                                {QStringLiteral("Added to system path"), QStringLiteral("Custom")},
                                QStringLiteral("R bin:")));
    layout->addWidget(MakeGroup(circos, QStringLiteral("CIRCOS Path"),
                                {QStringLiteral("Added to system path"), QStringLiteral("Custom")},
                                QStringLiteral("CIRCOS bin:")));
    applyButton = new QPushButton(QStringLiteral("Apply"));
    helpButton = new QPushButton(QStringLiteral("help"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton);
    buttons->addWidget(helpButton);
    layout->addLayout(buttons);
    connect(applyButton, &QPushButton::clicked, this, &CDLGConfigPath::OnApply);
    connect(helpButton, &QPushButton::clicked, this, &CDLGConfigPath::OnHelp);
    setMinimumWidth(490);

    ShowState();
    CenterOnScreen();
}

QWidget* CDLGConfigPath::MakeGroup(ToolGroup& group, const QString& title, const QStringList& modeLabels,
                                   const QString& label) {
    auto* box = new QGroupBox(title);
    auto* modes = new QHBoxLayout;
    for (const QString& modeLabel : modeLabels) {
        auto* radio = new QRadioButton(modeLabel);
        group.modes.push_back(radio);
        modes->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this, &group] { OnModeClicked(group); });
    }
    modes->addStretch();
    group.customMode = static_cast<int>(modeLabels.size()) - 1;
    group.label = new QLabel(label);
    group.edit = new QLineEdit;
    group.open = new QPushButton(QStringLiteral("Open"));
    connect(group.open, &QPushButton::clicked, this, [this, &group] { OnOpen(group); });
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(group.label);
    pathRow->addWidget(group.edit, 1);
    pathRow->addWidget(group.open);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(modes);
    layout->addLayout(pathRow);
    EnableCustomControls(group, false);
    return box;
}

void CDLGConfigPath::ShowState() {
    FormState& state = Shared();
    if (state.blastBinPath.empty()) state.blastBinPath = WorkspaceFile("blast_bin");
    blast.edit->setText(QString::fromStdString(state.blastBinPath));
    if (!state.rBinPath.empty()) r.edit->setText(QString::fromStdString(state.rBinPath));
    if (!state.circosBinPath.empty()) circos.edit->setText(QString::fromStdString(state.circosBinPath));
    SetMode(blast, state.blastPathMode);
    SetMode(r, state.rPathMode);
    SetMode(circos, state.circosPathMode);
}

void CDLGConfigPath::OnModeClicked(ToolGroup& group) { EnableCustomControls(group, CheckedMode(group) == group.customMode); }

void CDLGConfigPath::OnOpen(ToolGroup& group) {
    // The chosen folder goes into the edit; Apply takes it over, so Apply can tell it changed.
    if (std::optional<std::string> folder = Plat().BrowseFolder()) group.edit->setText(QString::fromStdString(*folder));
}

void CDLGConfigPath::OnApply() {
    ToolPathChoice choice;
    choice.blastPathMode = CheckedMode(blast);
    choice.rPathMode = CheckedMode(r);
    choice.circosPathMode = CheckedMode(circos);
    choice.blastBinPath = blast.edit->text().toStdString();
    choice.rBinPath = r.edit->text().toStdString();
    choice.circosBinPath = circos.edit->text().toStdString();
    ApplyToolPaths(choice);
}

void CDLGConfigPath::OnHelp() { ShowInformation(kToolPathHelp); }

namespace {
const FormRegistration kRegistration{"CDLGConfigPath", [] { return new CDLGConfigPath; }};
}  // namespace

}  // namespace tallowby
