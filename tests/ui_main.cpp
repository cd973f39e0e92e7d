#include <QApplication>

#include <gtest/gtest.h>

int printShownTexts(QApplication& application);  // in app/translations_test.cpp

// One QApplication for all interface tests, headless unless a platform is chosen.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (QCoreApplication::arguments().value(1) == u"--shown-texts")
        return printShownTexts(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
