#pragma once
// File > Restore from Backup: the radio memories kept before earlier writes,
// newest first, with date, model, band and serial number. Restore checks the
// chosen backup and asks before anything is written; the caller then writes
// Chosen() back into the radio.

#include "image/ImageBuffers.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace pmr {

struct AppContext;
struct BackupInfo;
class Interaction;

class FrmRestoreBackup : public QDialog {
    Q_OBJECT
public:
    FrmRestoreBackup(AppContext& app, Interaction& ui, std::string folder,
                     QWidget* parent = nullptr);
    ~FrmRestoreBackup() override;

    QTreeWidget* List() const { return list_; }
    QPushButton* RestoreButton() const { return restore_; }
    /// The image to write back, after the dialog was accepted.
    const std::optional<std::array<std::uint8_t, kImageSize>>& Chosen() const { return chosen_; }

private:
    void OnRestore();

    AppContext& app_;
    Interaction& ui_;
    std::string folder_;
    std::vector<BackupInfo> backups_;
    QLabel* label_;
    QTreeWidget* list_;
    QPushButton* restore_;
    std::optional<std::array<std::uint8_t, kImageSize>> chosen_;
};

} // namespace pmr
