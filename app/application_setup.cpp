#include "app/application_setup.h"

#include "app/main_window.h"
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

// 9 pt is the largest size at which "请输入中文歌词：" fits its 96-pixel label in any face; a face
// with taller lines gets a smaller size, down to a floor that stays legible.
constexpr qreal kLargestPointSize = 9;
constexpr qreal kSmallestPointSize = 6;

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
    // The same look on every system: the colours and borders are set for Fusion.
    QApplication::setStyle(QStringLiteral("Fusion"));

    QApplication::setFont(ApplicationFont(ChineseFaces()));
}

QStringList ChineseFaces()
{
    return {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("Source Han Sans SC"), QStringLiteral("Microsoft YaHei"),
            QStringLiteral("SimSun")};
}

QFont ApplicationFont(const QStringList& faces)
{
    QFont font = QApplication::font();
    QStringList families = faces;
    families.append(font.family());
    font.setFamilies(families);
    for (qreal points = kLargestPointSize; points >= kSmallestPointSize; points -= 0.5) {
        font.setPointSizeF(points);
        if (MainWindow::FitsFont(font))
            break;
    }
    return font;
}

} // namespace tavenor
