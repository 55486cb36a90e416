#pragma once
// The about box: the program's name, version and purpose, with an OK button.

#include <QDialog>

namespace pmr {

struct AppContext;

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    FrmAbout(const AppContext& app, QWidget* parent = nullptr);
};

} // namespace pmr
