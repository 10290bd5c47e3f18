#include "ServerTestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <oleauto.h>
#include <vector>
#include <wrl/client.h>

namespace typ::win::test {
namespace {

using Microsoft::WRL::ComPtr;

// The identifiers as published to hosts, independent of the IDL they came from.
GUID Guid(const wchar_t* text) {
    GUID guid{};
    EXPECT_EQ(CLSIDFromString(text, &guid), S_OK) << text;
    return guid;
}

std::wstring TakeBstr(BSTR text) {
    std::wstring result = text ? text : L"";
    SysFreeString(text);
    return result;
}

struct Documentation {
    std::wstring Name;
    std::wstring Text;
};

template <typename Described> Documentation Doc(Described* item, MEMBERID id) {
    BSTR name = nullptr;
    BSTR text = nullptr;
    EXPECT_EQ(item->GetDocumentation(id, &name, &text, nullptr, nullptr), S_OK);
    return {TakeBstr(name), TakeBstr(text)};
}

struct Param {
    const wchar_t* Name;
    VARTYPE Type;
    VARTYPE Pointee; // VT_EMPTY when the parameter is no pointer
    USHORT Flags;
};

struct Function {
    const wchar_t* Name;
    MEMBERID Id;
    std::vector<Param> Params;
};

constexpr USHORT kIn = PARAMFLAG_FIN;
constexpr USHORT kInOut = PARAMFLAG_FIN | PARAMFLAG_FOUT;
constexpr USHORT kRetval = PARAMFLAG_FOUT | PARAMFLAG_FRETVAL;

const std::vector<Function> kFunctions{
    {L"Show",
     201,
     {{L"ADirComunes", VT_BSTR, VT_EMPTY, kIn},
      {L"ACaption", VT_BSTR, VT_EMPTY, kIn},
      {L"ATypText", VT_PTR, VT_BSTR, kInOut},
      {L"Value", VT_PTR, VT_BOOL, kRetval}}},
    {L"ShowEx",
     202,
     {{L"ADirComunes", VT_BSTR, VT_EMPTY, kIn},
      {L"ACaption", VT_BSTR, VT_EMPTY, kIn},
      {L"HelpContext", VT_I4, VT_EMPTY, kIn},
      {L"HelpContextVar", VT_I4, VT_EMPTY, kIn},
      {L"HelpFile", VT_BSTR, VT_EMPTY, kIn},
      {L"ATypText", VT_PTR, VT_BSTR, kInOut},
      {L"Value", VT_PTR, VT_BOOL, kRetval}}},
    {L"Handle", 203, {{L"Value", VT_PTR, VT_VARIANT, kRetval}}},
};

class TypeLibTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(LoadTypeLibEx(ServerPath().c_str(), REGKIND_NONE, library.GetAddressOf()), S_OK);
    }
    ComPtr<ITypeInfo> Info(const wchar_t* guid) {
        ComPtr<ITypeInfo> info;
        EXPECT_EQ(library->GetTypeInfoOfGuid(Guid(guid), info.GetAddressOf()), S_OK);
        return info;
    }
    static TYPEATTR Attributes(ITypeInfo* info) {
        TYPEATTR* attributes = nullptr;
        EXPECT_EQ(info->GetTypeAttr(&attributes), S_OK);
        const TYPEATTR copy = *attributes;
        info->ReleaseTypeAttr(attributes);
        return copy;
    }
    static ComPtr<ITypeInfo> VtableSide(ITypeInfo* dispatch) {
        HREFTYPE ref = 0;
        EXPECT_EQ(dispatch->GetRefTypeOfImplType(-1, &ref), S_OK);
        ComPtr<ITypeInfo> vtable;
        EXPECT_EQ(dispatch->GetRefTypeInfo(ref, vtable.GetAddressOf()), S_OK);
        return vtable;
    }

    ComPtr<ITypeLib> library;
};

// The vtable side of a dual interface carries all three; the compiler leaves
// the automation mark off its dispatch side.
constexpr WORD kDualFlags = TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDISPATCHABLE;
constexpr wchar_t kLibId[] = L"{5B1E7A32-C94D-4F07-A6E2-3D80F1B95C47}";
constexpr wchar_t kIid[] = L"{8C2D4F61-1A7B-4E39-B5D0-62F9A3E8C014}";
constexpr wchar_t kClsid[] = L"{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}";

TEST_F(TypeLibTest, LibraryIdentity) {
    const Documentation doc = Doc(library.Get(), MEMBERID_NIL);
    EXPECT_EQ(doc.Name, L"Vn_EditorTyp");
    EXPECT_EQ(doc.Text, L"Vn_EditorTyp Library");
    TLIBATTR* attributes = nullptr;
    ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->guid, Guid(kLibId));
    EXPECT_EQ(attributes->lcid, 0x409u);
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    EXPECT_EQ(attributes->syskind, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
    library->ReleaseTLibAttr(attributes);
    EXPECT_EQ(library->GetTypeInfoCount(), 2u);
}

TEST_F(TypeLibTest, DualInterfaceFromIDispatch) {
    const ComPtr<ITypeInfo> dispatch = Info(kIid);
    const TYPEATTR attributes = Attributes(dispatch.Get());
    EXPECT_EQ(attributes.typekind, TKIND_DISPATCH);
    constexpr WORD dispatchFlags = TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE;
    EXPECT_EQ(attributes.wTypeFlags & dispatchFlags, dispatchFlags);
    EXPECT_EQ(attributes.wMajorVerNum, 1);
    EXPECT_EQ(attributes.wMinorVerNum, 0);
    const Documentation doc = Doc(dispatch.Get(), MEMBERID_NIL);
    EXPECT_EQ(doc.Name, L"IEditorTypCom");
    EXPECT_EQ(doc.Text, L"Dispatch interface for EditorTypCom Object");

    const ComPtr<ITypeInfo> vtable = VtableSide(dispatch.Get());
    const TYPEATTR vtableAttributes = Attributes(vtable.Get());
    EXPECT_EQ(vtableAttributes.typekind, TKIND_INTERFACE);
    EXPECT_EQ(vtableAttributes.wTypeFlags & kDualFlags, kDualFlags);
    EXPECT_EQ(vtableAttributes.guid, Guid(kIid));
    EXPECT_EQ(vtableAttributes.cFuncs, 3);
    HREFTYPE base = 0;
    ASSERT_EQ(vtable->GetRefTypeOfImplType(0, &base), S_OK);
    ComPtr<ITypeInfo> baseInfo;
    ASSERT_EQ(vtable->GetRefTypeInfo(base, baseInfo.GetAddressOf()), S_OK);
    EXPECT_EQ(Attributes(baseInfo.Get()).guid, IID_IDispatch);
}

void ExpectFunction(ITypeInfo* vtable, UINT index, const Function& expected) {
    SCOPED_TRACE(testing::Message() << "function " << expected.Name);
    FUNCDESC* f = nullptr;
    ASSERT_EQ(vtable->GetFuncDesc(index, &f), S_OK);
    EXPECT_EQ(f->memid, expected.Id);
    EXPECT_EQ(f->invkind, INVOKE_FUNC);
    EXPECT_EQ(f->callconv, CC_STDCALL);
    EXPECT_EQ(f->funckind, FUNC_PUREVIRTUAL);
    EXPECT_EQ(f->oVft, static_cast<SHORT>((7 + index) * sizeof(void*)));
    EXPECT_EQ(f->elemdescFunc.tdesc.vt, VT_HRESULT);
    ASSERT_EQ(f->cParams, static_cast<SHORT>(expected.Params.size()));
    BSTR names[8] = {};
    UINT count = 0;
    EXPECT_EQ(vtable->GetNames(f->memid, names, 8, &count), S_OK);
    EXPECT_EQ(count, expected.Params.size() + 1);
    EXPECT_EQ(TakeBstr(names[0]), expected.Name);
    for (std::size_t i = 0; i < expected.Params.size(); ++i) {
        const Param& p = expected.Params[i];
        const ELEMDESC& e = f->lprgelemdescParam[i];
        EXPECT_EQ(i + 1 < count ? TakeBstr(names[i + 1]) : L"", p.Name);
        EXPECT_EQ(e.tdesc.vt, p.Type) << i;
        if (p.Type == VT_PTR) {
            EXPECT_EQ(e.tdesc.lptdesc->vt, p.Pointee) << i;
        }
        EXPECT_EQ(e.paramdesc.wParamFlags, p.Flags) << i;
    }
    vtable->ReleaseFuncDesc(f);
}

TEST_F(TypeLibTest, FunctionsInVtableOrder) {
    const ComPtr<ITypeInfo> vtable = VtableSide(Info(kIid).Get());
    for (UINT i = 0; i < kFunctions.size(); ++i)
        ExpectFunction(vtable.Get(), i, kFunctions[i]);
}

TEST_F(TypeLibTest, LateBoundCallersSeeBooleanAndVariantResults) {
    const ComPtr<ITypeInfo> dispatch = Info(kIid);
    std::map<MEMBERID, VARTYPE> results;
    for (WORD i = 0; i < Attributes(dispatch.Get()).cFuncs; ++i) {
        FUNCDESC* f = nullptr;
        ASSERT_EQ(dispatch->GetFuncDesc(i, &f), S_OK);
        if (f->invkind == INVOKE_FUNC)
            results[f->memid] = f->elemdescFunc.tdesc.vt;
        dispatch->ReleaseFuncDesc(f);
    }
    EXPECT_EQ(results[201], VT_BOOL);
    EXPECT_EQ(results[202], VT_BOOL);
    EXPECT_EQ(results[203], VT_VARIANT);
}

TEST_F(TypeLibTest, CreatableClassWithDefaultInterface) {
    const ComPtr<ITypeInfo> coclass = Info(kClsid);
    const TYPEATTR attributes = Attributes(coclass.Get());
    EXPECT_EQ(attributes.typekind, TKIND_COCLASS);
    EXPECT_TRUE(attributes.wTypeFlags & TYPEFLAG_FCANCREATE);
    EXPECT_EQ(attributes.wMajorVerNum, 1);
    EXPECT_EQ(attributes.cImplTypes, 1);
    const Documentation doc = Doc(coclass.Get(), MEMBERID_NIL);
    EXPECT_EQ(doc.Name, L"EditorTypCom");
    EXPECT_EQ(doc.Text, L"EditorTypCom Object");
    INT flags = 0;
    ASSERT_EQ(coclass->GetImplTypeFlags(0, &flags), S_OK);
    EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT);
    HREFTYPE ref = 0;
    ASSERT_EQ(coclass->GetRefTypeOfImplType(0, &ref), S_OK);
    ComPtr<ITypeInfo> implemented;
    ASSERT_EQ(coclass->GetRefTypeInfo(ref, implemented.GetAddressOf()), S_OK);
    EXPECT_EQ(Attributes(implemented.Get()).guid, Guid(kIid));
}

std::wstring VersionString(const std::vector<BYTE>& data, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\2C0A04E4\\") + name;
    if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        return L"<missing>";
    return value;
}

TEST(TypeLibVersionTest, VersionResourceReadsBack) {
    const std::wstring exe = ServerPath();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));

    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x2C0A);
    EXPECT_EQ(translation[1], 1252);

    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);

    EXPECT_EQ(VersionString(data, L"FileDescription"), L"Editor de plantillas TYP");
    EXPECT_EQ(VersionString(data, L"FileVersion"), L"1.0.0.0");
    EXPECT_EQ(VersionString(data, L"InternalName"), L"Vn_EditorTyp");
    EXPECT_EQ(VersionString(data, L"OriginalFilename"), L"Vn_EditorTyp.exe");
    EXPECT_EQ(VersionString(data, L"ProductVersion"), L"1.0.0.0");
    EXPECT_NE(VersionString(data, L"CompanyName"), L"<missing>");
    EXPECT_NE(VersionString(data, L"ProductName"), L"<missing>");
}

} // namespace
} // namespace typ::win::test
