#pragma once
// The scan window: scan on or off, the priority mode with its two channels,
// the revert channel offered per priority mode, look-back and resume times and
// the entry and exit tones.

#include "../shared/EditorWindow.h"

#include <map>

class QCheckBox;
class QComboBox;

namespace pmr {

struct WindowRow;

class FrmScan : public EditorWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmScan";
    FrmScan(const EditorContext& context, const WindowRow& row);

    QComboBox* List(const QString& name) const;
    QCheckBox* Check(const QString& name) const;
    /// The priority channel lists offer the channels of the table again; the
    /// key window is not told of the scan mode (it shows the document itself).
    void ShowDocument() override;

private:
    /// The channel lists, every bound control and the enabling rules from the document.
    void ShowSettings();
    void RelabelControls() override;
    /// The revert list for the priority mode: the full list's entries it allows.
    void InitRevertList();
    void ApplyEnablingRules();
    QStringList FullRevertList() const;

    std::map<QString, QComboBox*> lists_;
    QCheckBox* entryTone_ = nullptr;
    QCheckBox* exitTone_ = nullptr;
    bool showingDocument_ = false;
};

} // namespace pmr
