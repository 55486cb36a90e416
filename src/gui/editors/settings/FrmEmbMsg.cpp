#include "FrmEmbMsg.h"

#include "../../StandardWindows.h"
#include "app/AppContext.h"
#include "document/SettingsTexts.h"
#include "document/TrimFix.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace pmr {

namespace {

constexpr int kLineLength = 16;

FixedText<16>& LineOf(RadioDocument& doc, int index) {
    EmbMessage& m = doc.Settings.EmbMsg;
    FixedText<16>* lines[] = {&m.Line1, &m.Line2, &m.Line3, &m.Line4};
    return *lines[index];
}

} // namespace

FrmEmbMsg::FrmEmbMsg(const EditorContext& context, const WindowRow& row)
    : EditorWindow(context, QString::fromLatin1(row.name), row.titleTextId, row.helpTopic) {
    auto* body = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        box->setMaxLength(kLineLength);
        box->setAlignment(Qt::AlignCenter);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(kLineLength + 2, u'W')));
        ApplyTextRules(box, CharSet::Printable);
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            const QByteArray latin = text.toLatin1();
            LineOf(app_.doc, i) = StoredMessageLine(std::string_view(latin.data(), latin.size()));
        });
        lines_[static_cast<std::size_t>(i)] = box;
        body->addWidget(box);
    }
    FrmEmbMsg::ShowDocument();
    SetBody(body);
}

void FrmEmbMsg::ShowDocument() {
    for (int i = 0; i < 4; ++i) {
        const std::string shown = TrimFix(LineOf(app_.doc, i));
        ShowStoredText(lines_[static_cast<std::size_t>(i)],
                       QString::fromLatin1(shown.data(), qsizetype(shown.size())));
    }
}

} // namespace pmr
