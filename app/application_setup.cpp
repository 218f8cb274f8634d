#include "app/application_setup.h"

#include "tavenor_version.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace tavenor {
namespace {

// Simplified Chinese faces first, so that no Japanese face is picked for the Chinese texts;
// those missing on a system are skipped.
const QStringList kChineseFaces{
    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("Source Han Sans SC"), QStringLiteral("Microsoft YaHei")};

// 9 pt is the largest size at which "请输入中文歌词：" fits its 96-pixel label.
constexpr int kPointSize = 9;

// Every text of the window is Chinese, so Qt's own texts (the edit boxes' context menus) are too,
// whatever the system's locale. Without the translations installed they stay in English.
void installQtChineseTranslations()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tavenor"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // Lets the desktop match the window with its installed entry and icon.
    QApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    QIcon icon(QStringLiteral(":/icon.png"));
    icon.addFile(QStringLiteral(":/16x16.png"));
    icon.addFile(QStringLiteral(":/24x24.png"));
    QApplication::setWindowIcon(icon);
    installQtChineseTranslations();

    QFont font = QApplication::font();
    QStringList families = kChineseFaces;
    families.append(font.family());
    font.setFamilies(families);
    font.setPointSize(kPointSize);
    QApplication::setFont(font);
}

} // namespace tavenor
