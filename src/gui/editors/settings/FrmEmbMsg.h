#pragma once
// The embedded message window: the four 16-character lines the radio keeps.

#include "../shared/EditorWindow.h"

#include <array>

class QLineEdit;

namespace pmr {

struct WindowRow;

class FrmEmbMsg : public EditorWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmEmbMsg";
    FrmEmbMsg(const EditorContext& context, const WindowRow& row);

    QLineEdit* Line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    /// The four lines as the document holds them.
    void ShowDocument() override;

private:
    std::array<QLineEdit*, 4> lines_{};
};

} // namespace pmr
