#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace pmr {

namespace {
// One translator for the whole run: installing it again after a new load is
// what tells the open widgets that their texts changed.
QTranslator& QtBaseTranslator() {
    static QTranslator translator;
    return translator;
}
} // namespace

QString QtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool LoadQtTranslations(int language) {
    QTranslator& translator = QtBaseTranslator();
    QCoreApplication::removeTranslator(&translator);
    if (language != 2)
        return true;
    if (!translator.load(QStringLiteral("qtbase_zh_CN"), QtTranslationsFolder()))
        return false;
    QCoreApplication::installTranslator(&translator);
    return true;
}

} // namespace pmr
