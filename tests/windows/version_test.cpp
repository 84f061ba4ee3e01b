// Reads the version resource of quorvant.exe back through Windows' own version API, as Explorer's
// properties page does, and compares each value with what the program's users are promised.
//   version_test PATH\quorvant.exe
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring wide(const char* text) { return {text, text + std::char_traits<char>::length(text)}; }

int failures = 0;
int passes = 0;

void check(bool ok, const char* what)
{
    ok ? ++passes : ++failures;
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM.exe\n", argv[0]);
        return 2;
    }
    const std::wstring file = wide(argv[1]);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    check(size > 0, "the file has version information");
    if (size == 0)
        return 1;
    std::vector<unsigned char> data(size);
    check(GetFileVersionInfoW(file.c_str(), 0, size, data.data()) != 0, "it can be read");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    const bool haveFixed =
        VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed;
    check(haveFixed && fixed->dwFileVersionMS == MAKELONG(0, 1) && fixed->dwFileVersionLS == 0,
          "file version 1.0.0.0");
    check(haveFixed && fixed->dwProductVersionMS == MAKELONG(0, 1) &&
              fixed->dwProductVersionLS == 0,
          "product version 1.0.0.0");
    check(haveFixed && fixed->dwFileType == VFT_APP, "an application");

    struct Translation {
        WORD language, codePage;
    }* translation = nullptr;
    const bool haveTranslation = VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                                                reinterpret_cast<void**>(&translation), &length) &&
                                 length >= sizeof(Translation);
    check(haveTranslation && translation->language == 0x0410 && translation->codePage == 1200,
          "language Italian (Italy), Unicode code page");

    const struct {
        const wchar_t* name;
        const wchar_t* value;
    } strings[] = {
        {L"FileVersion", L"1.00"},
        {L"ProductVersion", L"1.00"},
        {L"ProductName", L"Quorvant"},
        {L"InternalName", L"Quorvant"},
    };
    for (const auto& s : strings) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\041004B0\\") + s.name;
        wchar_t* value = nullptr;
        const bool found =
            VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) &&
            value;
        const std::wstring shown = found ? std::wstring(value) : std::wstring();
        std::string what = "string table 041004B0: ";
        for (const wchar_t* c = s.name; *c; ++c)
            what += static_cast<char>(*c);
        check(shown == s.value, what.c_str());
    }

    check(ExtractIconExW(file.c_str(), -1, nullptr, nullptr, 0) > 0, "the file carries an icon");
    std::printf("%d passed, %d failed\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
