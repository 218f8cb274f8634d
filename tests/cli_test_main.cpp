#include <QCoreApplication>

#include <gtest/gtest.h>

// The command line front end uses QCommandLineParser, which wants an application object.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavenor-cli"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
