#include "PictureTable.h"

#include <gtest/gtest.h>

namespace typ::pictures {
namespace {

TEST(PictureTable, ReadsSourcesAndCompositionsAndSkipsComments) {
    const auto table =
        ParsePictureTable("# heading\n"
                          "ieActSave\tactions/document-save\n"
                          "\n"
                          "ieActUndoAll\tactions/edit-undo\tbadge=T overlay=@tick:4e9a06\r\n"
                          "ieVertNavMoveUp\tactions/go-up\ttint=4E9A06\n");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table.at("ieActSave"), (TPictureRecipe{"actions/document-save", {}, {}, {}}));
    EXPECT_EQ(table.at("ieActUndoAll"),
              (TPictureRecipe{"actions/edit-undo", "@tick:4e9a06", "T", {}}));
    EXPECT_EQ(table.at("ieVertNavMoveUp").Tint, 0x4E9A06u);
}

TEST(PictureTable, NamesTheLineOfAMistake) {
    const std::pair<const char*, const char*> cases[] = {
        {"a\tb\nieX\n", "line 2: expected name"},
        {"ieX\tb\tglow=1\n", "line 1: unknown composition 'glow=1'"},
        {"ieX\tb\tbadge=ABC\n", "line 1: unknown composition"},
        {"ieX\tb\ttint=12345g\n", "line 1: bad colour"},
        {"ieX\tb\toverlay=\n", "line 1: composition 'overlay=' has no value"},
        {"ieX\tb\n#\nieX\tc\n", "line 3: 'ieX' is given twice"},
        {"ieX\tb\tbadge=A\textra\n", "line 1: expected name"},
    };
    for (const auto& [text, message] : cases) {
        try {
            ParsePictureTable(text);
            ADD_FAILURE() << text;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
}

} // namespace
} // namespace typ::pictures
