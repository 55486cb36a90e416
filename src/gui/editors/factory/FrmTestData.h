#pragma once
// The factory test data dialog: the radio's tuning bytes 0 to 10 in number
// boxes, loaded from or saved to a ".ted" file, taken over on OK. Bytes 11 to
// 15 are not shown; they travel with a loaded file.

#include "document/DocumentEvents.h"
#include "factory/TestData.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace pmr {

struct AppContext;
class Interaction;

class FrmTestData : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmTestData";
    static constexpr int kShownBytes = 11;

    FrmTestData(AppContext& app, Interaction& ui, int helpTopic, QWidget* parent = nullptr);

    QLineEdit* Box(int index) const { return boxes_[static_cast<std::size_t>(index)]; }
    /// The window's own copy of the test data.
    const TestDataBytes& Buffer() const { return buffer_; }
    /// Takes the program's test data again (the whole document was put back).
    void ShowTestData();

private:
    void ShowBuffer();
    void StoreBoxes();
    void Load();
    void Save();
    void OnOk();
    /// The file type of the dialogs, "Test Data File (*.ted)|*.ted".
    std::string FileFilter() const;
    /// The document's name with "ted" for its last three characters.
    std::string DefaultFileName() const;

    AppContext& app_;
    Interaction& ui_;
    TestDataBytes buffer_{};
    std::array<QLineEdit*, kShownBytes> boxes_{};
    DocumentSubscription wholeDocument_;
};

} // namespace pmr
