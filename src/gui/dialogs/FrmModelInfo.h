#pragma once
// The model information dialog: the document's model and frequency band.
// A change starts a new document.

#include <QDialog>

class QComboBox;
class QLabel;

namespace pmr {

struct AppContext;
class Interaction;
class frmMain;

class FrmModelInfo : public QDialog {
    Q_OBJECT
public:
    FrmModelInfo(AppContext& app, Interaction& ui, frmMain& main, QWidget* parent = nullptr);
    QComboBox* ModelList() const { return model_; }
    QComboBox* BandList() const { return band_; }

private:
    void FillBands();
    void OnOk();

    AppContext& app_;
    Interaction& ui_;
    frmMain& main_;
    QComboBox* model_;
    QComboBox* band_;
};

} // namespace pmr
