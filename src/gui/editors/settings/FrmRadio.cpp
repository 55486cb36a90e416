#include "FrmRadio.h"

#include "../../StandardWindows.h"
#include "../shared/DocumentRowGrid.h"
#include "../../Interaction.h"
#include "app/AppContext.h"
#include "document/FrequencyText.h"
#include "document/OptionRefs.h"
#include "document/SettingsTexts.h"
#include "document/TrimFix.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace pmr {

FrmRadio::FrmRadio(const EditorContext& context, const WindowRow& row)
    : EditorWindow(context, QString::fromLatin1(row.name), row.titleTextId, row.helpTopic) {
    constexpr int kPresets = 20;
    auto show = [this](int preset, int) {
        const FmPreset& p = app_.doc.FmPresets[static_cast<std::size_t>(preset)];
        if (p.IsEmpty != 0)
            return QString();
        return QString::fromStdString(FreqStoredToText(app_, context_.ui, TrimFix(p.Freq)));
    };
    auto commit = [this](int preset, int, const QString& text) {
        const std::string checked = CheckRadioFre(text.toStdString());
        FmPreset& p = app_.doc.FmPresets[static_cast<std::size_t>(preset)];
        p.IsEmpty = checked.empty() ? 1 : 0;
        p.Freq = GetSaveRadioFreData(checked);
        // The FM current preset of the options follows.
        ReconcileOptionRefs(app_);
    };
    // "90.50000" is edited as "90.500".
    auto editText = [](const QString& shown) { return shown.size() >= 7 ? shown.left(6) : shown; };
    grid_ = new DocumentRowGrid(this, kPresets, 1, CharSet::Decimal, show, commit, editText);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setMinimumWidth(260);
    auto* body = new QVBoxLayout;
    body->addWidget(grid_);
    SetBody(body);
}

void FrmRadio::RelabelControls() {
    grid_->setHorizontalHeaderLabels({Text(17001), Text(17002)});
}

void FrmRadio::ShowDocument() {
    grid_->Reload();
}

void FrmRadio::CommitFocusedEdit() {
    grid_->CommitOpenEdit();
}

} // namespace pmr
