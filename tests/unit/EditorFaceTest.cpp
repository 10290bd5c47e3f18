#include "editor/EditorFace.h"

#include <gtest/gtest.h>
#include <set>

namespace typ {
namespace {

TEditorFace ChooseAmong(std::set<std::u16string_view> faces) {
    return ChooseEditorFace([&](std::u16string_view face) { return faces.contains(face); });
}

TEST(EditorFace, TheDosFaceIsDrawnAsItIs) {
    EXPECT_EQ(ChooseAmong({u"Consolas", u"Courier LD"}), (TEditorFace{u"Courier LD", false}));
}

TEST(EditorFace, OtherwiseTheFirstUnicodeFaceInPreferenceOrderMapsGlyphs) {
    EXPECT_EQ(ChooseAmong({u"DejaVu Sans Mono", u"Consolas"}), (TEditorFace{u"Consolas", true}));
    EXPECT_EQ(ChooseAmong({u"Courier New", u"Lucida Console"}),
              (TEditorFace{u"Lucida Console", true}));
    EXPECT_EQ(ChooseAmong({u"Arial", u"DejaVu Sans Mono"}),
              (TEditorFace{u"DejaVu Sans Mono", true}));
    EXPECT_EQ(ChooseAmong({u"Arial"}), (TEditorFace{u"", true}));
}

TEST(EditorFace, AChosenFaceMapsGlyphsUnlessItIsTheDosFace) {
    EXPECT_EQ(FaceNamed(u"Courier LD"), (TEditorFace{u"Courier LD", false}));
    EXPECT_EQ(FaceNamed(u"Courier New"), (TEditorFace{u"Courier New", true}));
}

} // namespace
} // namespace typ
