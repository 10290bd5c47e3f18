#pragma once

#include "DialogTestSupport.h"

#include <gtest/gtest.h>
#include <initializer_list>

// Checks shared by the common-dialog tests.
namespace typ::win::test {

struct TExpectedCaption {
    int Id;
    const wchar_t* Caption;
};

inline void ExpectCaptions(const TDialogShot& shot,
                           std::initializer_list<TExpectedCaption> expected) {
    for (const TExpectedCaption& control : expected) {
        EXPECT_EQ(shot.Caption(control.Id), control.Caption) << "control " << control.Id;
    }
}

// Control `id` sits dx pixels further right and is dw pixels wider than in
// the dialog as the platform made it, with the same top and height.
inline void ExpectMoved(const TDialogShot& plain, const TDialogShot& shown, int id, int dx,
                        int dw) {
    SCOPED_TRACE(testing::Message() << "control " << id);
    ASSERT_NE(plain.Control(id), nullptr);
    const RECT before = plain.Bounds(id);
    const RECT after = shown.Bounds(id);
    EXPECT_EQ(after.left - before.left, dx);
    EXPECT_EQ(Width(after) - Width(before), dw);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.bottom, before.bottom);
}

// The same title, place and size, and every control with the same caption,
// place and size.
inline void ExpectUnchanged(const TDialogShot& plain, const TDialogShot& shown) {
    EXPECT_EQ(shown.Title, plain.Title);
    EXPECT_TRUE(EqualRect(&shown.Window, &plain.Window));
    ASSERT_EQ(shown.Controls.size(), plain.Controls.size());
    for (std::size_t i = 0; i < plain.Controls.size(); ++i) {
        const TControlShot& before = plain.Controls[i];
        const TControlShot& after = shown.Controls[i];
        SCOPED_TRACE(testing::Message() << "control " << before.Id);
        EXPECT_EQ(after.Id, before.Id);
        EXPECT_EQ(after.Caption, before.Caption);
        EXPECT_TRUE(EqualRect(&after.Bounds, &before.Bounds));
    }
}

// The window kept its place on the screen and grew `dw` pixels wider.
inline void ExpectWindowWider(const TDialogShot& plain, const TDialogShot& shown, int dw) {
    EXPECT_EQ(shown.Window.left, plain.Window.left);
    EXPECT_EQ(shown.Window.top, plain.Window.top);
    EXPECT_EQ(shown.Window.bottom, plain.Window.bottom);
    EXPECT_EQ(Width(shown.Window) - Width(plain.Window), dw);
}

} // namespace typ::win::test
