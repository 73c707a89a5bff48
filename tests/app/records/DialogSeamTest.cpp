#include <string>
// A model edits itself through the dialog seam: a copy goes to the dialog,
// and only a confirmed dialog changes the model.

#include "app/records/DialogSeam.h"

#include <gtest/gtest.h>

namespace {

struct SeamModel {
    int rating = 100;
    std::string name = "T1";
};

struct SeamReset {
    ~SeamReset() { DialogSeam<SeamModel>::run = nullptr; }
};

TEST(DialogSeam, WithoutADialogNothingIsEdited) {
    SeamReset reset;
    SeamModel model;
    EXPECT_FALSE(DialogSeam<SeamModel>::Edit(model));
    EXPECT_EQ(model.rating, 100);
}

TEST(DialogSeam, CancelLeavesTheModelAsItWasEvenWhenTheDialogChangedItsCopy) {
    SeamReset reset;
    SeamModel model;
    DialogSeam<SeamModel>::run = [](SeamModel& copy) {
        copy.rating = 200;
        return false;
    };
    EXPECT_FALSE(DialogSeam<SeamModel>::Edit(model));
    EXPECT_EQ(model.rating, 100);
}

TEST(DialogSeam, OkTakesTheEditedCopyBack) {
    SeamReset reset;
    SeamModel model;
    const SeamModel* seen = nullptr;
    DialogSeam<SeamModel>::run = [&](SeamModel& copy) {
        seen = &copy;
        copy.rating = 250;
        copy.name = "T2";
        return true;
    };
    EXPECT_TRUE(DialogSeam<SeamModel>::Edit(model));
    EXPECT_NE(seen, &model); // the dialog never worked on the model itself
    EXPECT_EQ(model.rating, 250);
    EXPECT_EQ(model.name, "T2");
}

} // namespace
