#pragma once
// The optional features window: the radio's option record in two columns,
// the power-on text in twelve one-character boxes, and the channel and preset
// lists that follow every change of the channel table or the FM presets.

#include "../shared/EditorWindow.h"
#include "document/DocumentEvents.h"

#include <map>

class QCheckBox;
class QComboBox;

namespace pmr {

class CharacterBoxRow;
struct WindowRow;

class FrmOptFeatures : public EditorWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmOptFeatures";
    FrmOptFeatures(const EditorContext& context, const WindowRow& row);

    /// Rebuilds the channel and preset lists and selects the record's numbers
    /// again (writing back a number that is gone), then applies the enabling rules.
    void ReshowByCh();
    /// The lists and check boxes, the channel and preset lists rebuilt, the
    /// power-on text and the enabling rules again.
    void ShowDocument() override;

    QComboBox* List(const QString& name) const;
    CharacterBoxRow* PowerOnText() const { return powerOn_; }

private:
    void RelabelControls() override;
    void FillNumberLists();
    void ApplyDisplayModeRule();
    void ApplyChannelListRules(bool reshow);
    // The lists and check boxes write their fields through their bindings;
    // the twelve power-on boxes are written together, after any of them changed.
    void SaveOptFeat();

    QComboBox* MakeList(const QString& name, bool hidden = false);
    QCheckBox* MakeCheck(const QString& name, int textId);

    std::map<QString, QComboBox*> lists_;
    std::map<QComboBox*, std::vector<int>> textEntries_; // lists whose entries are texts
    std::map<QCheckBox*, int> checkTexts_;
    CharacterBoxRow* powerOn_ = nullptr;
    DocumentSubscription channelChanges_;
};

} // namespace pmr
