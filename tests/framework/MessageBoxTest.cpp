#include "framework/MessageBox.h"
#include "framework/ProgramFolder.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>

#include <unistd.h>

TEST(MessageBox, SinkReadsAndAnswers) {
    tvtest::MessageCapture capture;
    fw::SetAppTitle("Tovarine");
    capture.Answer(fw::mb::IdNo);
    EXPECT_EQ(fw::AppMessageBox("Save?", fw::mb::YesNo | fw::mb::IconQuestion), fw::mb::IdNo);
    EXPECT_EQ(fw::MessageBox("Done", "Calculation", fw::mb::IconInformation), fw::mb::IdOk);
    ASSERT_EQ(capture.Count(), 2u);
    EXPECT_EQ(capture.Messages()[0].caption, "Tovarine");
    EXPECT_EQ(capture.Messages()[0].type, fw::mb::YesNo | fw::mb::IconQuestion);
    EXPECT_EQ(capture.Last().caption, "Calculation");
    EXPECT_EQ(capture.Last().text, "Done");
}

TEST(ProgramFolder, IsTheExecutablesFolderWhateverTheCurrentDirectory) {
    std::string folder = fw::GetProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir("/"), 0);
    EXPECT_EQ(fw::GetProgramFolder(), folder);
    ASSERT_EQ(chdir(cwd), 0);
    EXPECT_EQ(access((folder + "framework_tests").c_str(), X_OK), 0);
}

TEST(Locale, NumbersUseADecimalPoint) {
    fw::ForceCLocale();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", 1.5);
    EXPECT_STREQ(buf, "1.50");
}
