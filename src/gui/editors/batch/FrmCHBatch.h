#pragma once
// The batch channel settings dialog: a range of channel numbers, the items that
// take part (kept in BatchFun.ini), the value controls of those items stacked
// one row each, and Apply, which sets them on every channel of the range.

#include "../shared/EditorContext.h"
#include "../shared/KeyRules.h"
#include "document/BatchEdit.h"

#include <QDialog>
#include <array>
#include <functional>
#include <map>
#include <random>
#include <utility>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace pmr {

struct WindowRow;

class FrmCHBatch : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmCHBatch";
    FrmCHBatch(const EditorContext& context, const WindowRow& row, QWidget* parent = nullptr);

    /// Fills the tone lists and the lists of items 6 to 13.
    void InitShowList();
    /// Sets every caption from the text catalogue.
    void ChangShowByLanguage();
    /// Shows the switches of BatchSwitches and the initial values.
    void SetShowData();
    /// Shows the value controls of the items that take part, hides the others.
    void ShowBatchFun();

    /// The inputs as the controls hold them.
    BatchInputs Inputs() const;
    /// Applies the inputs to the document (the Apply button).
    void Apply();

    /// The switch of item `item` (0..20) in the item list.
    QCheckBox* Switch(int item) const { return switches_[static_cast<std::size_t>(item)]; }
    /// The row of item `item`'s value controls.
    QWidget* ItemRow(int item) const { return rows_[static_cast<std::size_t>(item)]; }
    /// The item list with its select-all and select-none buttons.
    QGroupBox* SwitchList() const { return switchList_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EvenListWidths();
    struct Direction {
        QRadioButton* increase = nullptr;
        QRadioButton* decrease = nullptr;
    };

    void BuildRange(QVBoxLayout* into);
    QWidget* BuildItemRow(int item);
    void BuildSwitchList();
    void BuildButtons(QVBoxLayout* into);

    QLineEdit* NewBox(const QString& name, int maxLength, int widthChars, CharSet set,
                      std::function<QString(const QString&)> rule);
    QComboBox* NewList(const QString& name);
    QRadioButton* NewOption(const QString& name, int textId);
    QCheckBox* NewCheck(const QString& name, int textId);
    QLabel* NewLabel(const QString& name, int textId, bool rightAligned = false);
    Direction NewDirection(const QString& prefix);

    void OnSwitchClicked(int item);
    void SelectAllSwitches(bool on);
    void ToggleSwitchList();
    /// Enables the controls the chosen modes use and disables the others.
    void ApplyModes();
    /// Writes the boxes' normalised texts back (the ones Apply read).
    void ShowBoxes(const BatchInputs& in);
    bool eventFilter(QObject* watched, QEvent* event) override;

    EditorContext context_;
    AppContext& app_;
    int titleTextId_;
    int helpTopic_;
    std::vector<std::pair<QWidget*, int>> captions_; // labels, buttons and boxes by text
    std::map<QLineEdit*, std::function<QString(const QString&)>> boxRules_;
    std::array<QCheckBox*, kBatchItemCount> switches_{};
    std::array<QWidget*, kBatchItemCount> rows_{};
    std::array<QLabel*, kBatchItemCount> rowCaptions_{};
    QGroupBox* switchList_ = nullptr;
    QPushButton* selectItems_ = nullptr;
    QPushButton* help_ = nullptr;

    QRadioButton* allChannels_ = nullptr;
    QRadioButton* fromChannel_ = nullptr;
    QLineEdit* fromBox_ = nullptr;
    QLineEdit* toBox_ = nullptr;
    QCheckBox* clearOutside_ = nullptr;

    QLineEdit* rxStart_ = nullptr;
    QLineEdit* rxStep_ = nullptr;
    Direction rxDirection_;
    QRadioButton* txDefault_ = nullptr;
    QRadioButton* txOffset_ = nullptr;
    QRadioButton* txStartMode_ = nullptr;
    QLineEdit* offset_ = nullptr;
    QRadioButton* offsetPlus_ = nullptr;
    QRadioButton* offsetMinus_ = nullptr;
    QLineEdit* txStart_ = nullptr;
    QLineEdit* txStep_ = nullptr;
    Direction txDirection_;
    QComboBox* rxToneStart_ = nullptr;
    QLineEdit* rxToneInterval_ = nullptr;
    Direction rxToneDirection_;
    QCheckBox* rxToneRandom_ = nullptr;
    QCheckBox* txToneDefault_ = nullptr;
    QComboBox* txToneStart_ = nullptr;
    QLineEdit* txToneInterval_ = nullptr;
    Direction txToneDirection_;
    QCheckBox* txToneRandom_ = nullptr;
    QRadioButton* nameFixedMode_ = nullptr;
    QRadioButton* nameIdMode_ = nullptr;
    QLineEdit* nameFixed_ = nullptr;
    QLineEdit* nameStart_ = nullptr;
    QLineEdit* nameStep_ = nullptr;
    Direction nameDirection_;
    QLineEdit* idStart_ = nullptr;
    QLineEdit* idStep_ = nullptr;
    Direction idDirection_;
    std::array<QComboBox*, kBatchListCount> lists_{};
    std::array<QCheckBox*, kBatchCheckCount> checks_{};

    std::mt19937 engine_{std::random_device{}()};
};

} // namespace pmr
