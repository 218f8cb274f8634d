#include "app/run_tavenor.h"
#include "pinyin/unihan_pinyin_provider.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Tavenor takes no arguments: Qt gets the program's name only, so it reads none either.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    const tavenor::UnihanPinyinProvider provider;
    return tavenor::RunTavenor(provider);
}
