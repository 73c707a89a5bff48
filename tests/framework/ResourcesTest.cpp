// The resource description: menus, toolbars, bitmaps and icons by number,
// and the errors of a malformed description.

#include "framework/Resources.h"
#include "framework/FileDialog.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(ResourceScript, ReadsMenusToolbarsAndImages) {
    fw::RegisterResourceScript(R"(# comment
icon 128 :/x/icon.png
bitmap 110 /tmp/splash.png
toolbar 128 16 15 :/x/tb.png
    57600 57601 0   # new, open
    20480
end
menu 128
    popup "&File"
        item 57600 "&New\tCtrl+N"
        separator
        popup "&More \"x\""
            item 1 "One"
        end
    end
    item 2 "&Top"
end
)");
    const fw::CToolBarResource* tb = fw::FindToolBarResource(128);
    ASSERT_NE(tb, nullptr);
    EXPECT_EQ(tb->buttons, (std::vector<unsigned>{57600, 57601, 0, 20480}));
    EXPECT_EQ(tb->width, 16);
    EXPECT_EQ(tb->height, 15);
    EXPECT_EQ(tb->image, ":/x/tb.png");
    const fw::CMenuResource* menu = fw::FindMenuResource(128);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->items.size(), 2u);
    const fw::CMenuItem& file = menu->items[0];
    EXPECT_EQ(file.kind, fw::CMenuItem::popup);
    EXPECT_EQ(file.text, "&File");
    ASSERT_EQ(file.items.size(), 3u);
    EXPECT_EQ(file.items[0].id, 57600u);
    EXPECT_EQ(file.items[0].text, "&New\tCtrl+N");
    EXPECT_EQ(file.items[1].kind, fw::CMenuItem::separator);
    EXPECT_EQ(file.items[2].text, "&More \"x\"");
    EXPECT_EQ(file.items[2].items.at(0).id, 1u);
    EXPECT_EQ(menu->items[1].id, 2u);
    EXPECT_EQ(fw::FindMenuResource(129), nullptr);
}

TEST(ResourceScript, MalformedDescriptionsNameTheLine) {
    struct Case {
        const char* text;
        const char* line;
    } cases[] = {
        {"menu 1\n  item 2 \"x\"\n", "line 2"},             // missing end
        {"toolbar 1 16 15 a.png\n 1 x 3\nend\n", "line 2"}, // not a number
        {"\n\nwindow 3\n", "line 3"},                       // unknown statement
        {"menu 1\n item 2 \"open\nend\n", "line 2"},        // unterminated text
        {"menu 1\n item 2\nend\n", "line 2"},               // item without text
    };
    for (const Case& c : cases) {
        try {
            fw::RegisterResourceScript(c.text);
            ADD_FAILURE() << c.text;
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.line), std::string::npos) << e.what();
        }
    }
}

TEST(FileDialogFilter, PlatformFilterBecomesQtFilter) {
    EXPECT_EQ(fw::ConvertFilter("TOVARINE2 files (*.tv2)|*.tv2|QUORVANDE files (*.rv2)|*.rv2|"
                                "All files (*.*)|*.*||"),
              "TOVARINE2 files (*.tv2);;QUORVANDE files (*.rv2);;All files (*.*)");
    EXPECT_EQ(fw::ConvertFilter("Text|*.txt;*.log||"), "Text (*.txt;*.log)");
    EXPECT_EQ(fw::ConvertFilter("Pictures (*.png)|*.png;*.jpg||"), "Pictures (*.png *.jpg)");
    EXPECT_EQ(fw::ConvertFilter(""), "");
}
