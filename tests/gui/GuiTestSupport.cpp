#include "GuiTestSupport.h"

#include <QTreeWidget>

namespace pmr::testing {

std::vector<QString> Harness::TreeKeys() const {
    std::vector<QString> keys;
    QTreeWidget* tree = main->Tree();
    if (tree->topLevelItemCount() == 0)
        return keys;
    QTreeWidgetItem* root = tree->topLevelItem(0);
    keys.push_back(root->data(0, Qt::UserRole).toString());
    for (int i = 0; i < root->childCount(); ++i)
        keys.push_back(root->child(i)->data(0, Qt::UserRole).toString());
    return keys;
}

} // namespace pmr::testing
