#include "dialogs/FileDialogText.h"

#include <gtest/gtest.h>

namespace typ::win {
namespace {

std::vector<wchar_t> Buffer(std::wstring_view parts) {
    std::vector<wchar_t> buffer(parts.begin(), parts.end());
    buffer.resize(buffer.size() + 8, L'\0');
    return buffer;
}

TEST(FileDialogText, FilterBecomesANullSeparatedList) {
    const std::wstring list = FilterList(L"Plantillas|*.typ|Todos|*.*");
    EXPECT_EQ(list, std::wstring(L"Plantillas\0*.typ\0Todos\0*.*\0", 27));
    // The list's own end: the null character after the last part's.
    EXPECT_EQ(list.c_str()[list.size()], L'\0');
}

TEST(FileDialogText, OneChosenFileIsItsFullPath) {
    EXPECT_EQ(ChosenFiles(Buffer(L"C:\\typs\\a.typ"), 8),
              std::vector<std::wstring>{L"C:\\typs\\a.typ"});
    EXPECT_EQ(ChosenFiles(Buffer(L"C:\\a.typ"), 3), std::vector<std::wstring>{L"C:\\a.typ"});
    EXPECT_TRUE(ChosenFiles(Buffer(L""), 0).empty());
}

TEST(FileDialogText, SeveralChosenFilesFollowTheirFolder) {
    const std::wstring_view several(L"C:\\typs\0a.typ\0b.typ\0", 20);
    const std::vector<std::wstring> expected = {L"C:\\typs\\a.typ", L"C:\\typs\\b.typ"};
    EXPECT_EQ(ChosenFiles(Buffer(several), 8), expected);
    const std::wstring_view inRoot(L"C:\\\0a.typ\0b.typ\0", 16);
    const std::vector<std::wstring> rootExpected = {L"C:\\a.typ", L"C:\\b.typ"};
    EXPECT_EQ(ChosenFiles(Buffer(inRoot), 4), rootExpected);
}

} // namespace
} // namespace typ::win
