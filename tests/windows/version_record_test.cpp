#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

// The version record of the program, as Explorer's properties page reads it.
namespace {

std::string Field(const std::vector<char>& record, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040704B0\\") + name;
    if (!VerQueryValueA(record.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return "<none>";
    return std::string(value, length > 0 ? length - 1 : 0);
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}
BOOL CALLBACK AddNameLanguages(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR languages) {
    EnumResourceLanguagesA(module, type, name, AddLanguage, languages);
    return TRUE;
}
BOOL CALLBACK AddTypeLanguages(HMODULE module, LPSTR type, LONG_PTR languages) {
    EnumResourceNamesA(module, type, AddNameLanguages, languages);
    return TRUE;
}

TEST(VersionRecord, NamesTheProgramInGerman) {
    const char* program = ZELTAVOR_PROGRAM;  // the Linux path of the built program, seen through drive Z:
    const DWORD size = GetFileVersionInfoSizeA(program, nullptr);
    ASSERT_GT(size, 0u) << program;
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoA(program, 0, size, record.data()));
    EXPECT_EQ(Field(record, "FileDescription"), "Speicherbelegung auslesen");
    EXPECT_EQ(Field(record, "FileVersion"), "1.01.0004");
    EXPECT_EQ(Field(record, "ProductVersion"), "1.01.0004");
    EXPECT_EQ(Field(record, "ProductName"), "Zeltavor");
    EXPECT_EQ(Field(record, "InternalName"), "ZeltavorBlack");
    EXPECT_EQ(Field(record, "OriginalFilename"), "ZeltavorBlack.exe");
    DWORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    EXPECT_EQ(*translation, 0x04B00407u);  // German (Germany), Unicode
    EXPECT_TRUE(ExtractIconA(GetModuleHandleA(nullptr), program, 0) != nullptr);

    // Every resource, the record among them, is filed under German (Germany).
    const HMODULE resources = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(resources, nullptr);
    std::vector<WORD> languages;
    EnumResourceTypesA(resources, AddTypeLanguages, reinterpret_cast<LONG_PTR>(&languages));
    FreeLibrary(resources);
    EXPECT_GE(languages.size(), 8u);  // icon, six pictures, version record
    for (const WORD language : languages) EXPECT_EQ(language, MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN));
}

}  // namespace
