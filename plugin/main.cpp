#include "app/application_setup.h"
#include "pinyin/unihan_pinyin_provider.h"
#include "plugin/run_plugin.h"

#include <QApplication>

#include <iostream>
#include <memory>

int main(int argc, char* argv[])
{
    // A script's run needs no display: only the dialog makes a QApplication, set up as the
    // window is (its font, Qt's texts in Chinese, the icon).
    std::unique_ptr<QCoreApplication> application;
    // Only the options' names matter here, which are ASCII in any code page; Qt decodes the
    // arguments properly once it runs.
    QStringList names;
    for (int i = 0; i < argc; ++i)
        names << QString::fromLocal8Bit(argv[i]);
    if (tavenor::OpensDialog(names)) {
        application = std::make_unique<QApplication>(argc, argv);
        tavenor::SetUpApplication();
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("tavenor-plugin"));
    const tavenor::UnihanPinyinProvider provider;
    return tavenor::RunPlugin(QCoreApplication::arguments(), std::cout, std::cerr, provider);
}
