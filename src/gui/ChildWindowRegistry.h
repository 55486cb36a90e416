#pragma once
// The kinds of child window the main window can open, by window name. Each
// kind registers a factory once; ShowChildWindow opens a kind at most once.

#include <QString>
#include <functional>
#include <map>

class QWidget;

namespace pmr {

class frmMain;

class ChildWindowRegistry {
public:
    /// Creates the window's widget (objectName = the kind's name), not yet shown.
    using Factory = std::function<QWidget*(frmMain&)>;

    void Register(const QString& name, Factory factory) { factories_[name] = std::move(factory); }
    bool Has(const QString& name) const { return factories_.count(name) != 0; }
    QWidget* Create(const QString& name, frmMain& main) const {
        auto it = factories_.find(name);
        return it == factories_.end() ? nullptr : it->second(main);
    }

private:
    std::map<QString, Factory> factories_;
};

} // namespace pmr
