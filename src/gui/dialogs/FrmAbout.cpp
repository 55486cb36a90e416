#include "FrmAbout.h"

#include "../Icons.h"
#include "app/AppContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pmr {

FrmAbout::FrmAbout(const AppContext& app, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    auto text = [&app](int id) { return QString::fromStdString(app.texts.GetLangText(id)); };
    setWindowTitle(text(24000));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(ProgramIcon().pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(text(24001), this);
    name->setObjectName(QStringLiteral("Label1"));
    name->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    auto* version = new QLabel(text(24002), this);
    version->setObjectName(QStringLiteral("Label2"));
    auto* purpose = new QLabel(text(24003), this);
    purpose->setObjectName(QStringLiteral("Label3"));
    purpose->setWordWrap(true);
    auto* advice = new QLabel(text(24004), this);
    advice->setObjectName(QStringLiteral("Label4"));
    advice->setWordWrap(true);
    auto* ok = new QPushButton(text(9017), this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(purpose);
    texts->addWidget(advice);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

} // namespace pmr
