#include "intake/alert.h"

#include "ui_support.h"

#include <gtest/gtest.h>

TEST(Alert, ShowsTitleMessageStyleAndOneOkButtonUntilDismissed)
{
    ui_testing::AlertCatcher catcher;
    intake::showAlert(QStringLiteral("Careful"), QStringLiteral("Something to know."),
                      intake::AlertStyle::warning);
    intake::showAlert(QStringLiteral("Broken"), QStringLiteral("It failed."),
                      intake::AlertStyle::critical);
    intake::showAlert(QStringLiteral("Done"), QStringLiteral("All went well."));

    ASSERT_EQ(catcher.alerts().size(), 3);
    const auto& warning = catcher.alerts().at(0);
    EXPECT_EQ(warning.text, QStringLiteral("Careful"));
    EXPECT_EQ(warning.informativeText, QStringLiteral("Something to know."));
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_EQ(warning.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(catcher.alerts().at(1).icon, QMessageBox::Critical);
    EXPECT_EQ(catcher.alerts().at(2).icon, QMessageBox::Information) << "informational by default";
    EXPECT_EQ(catcher.alerts().at(2).buttons, QStringList{QStringLiteral("OK")});
}
