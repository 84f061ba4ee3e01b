// Walks one window of a running program through UI Automation from a process of its own, as a
// Windows screen reader does, prints what it hears and compares it with what a file of expected
// trees says of that window.
//   uia_walk EXPECTED.txt KEY
// The file holds one section a window: a line "[KEY] CAPTION", where the window's caption begins
// with CAPTION, then the window and its elements in the order UI Automation walks them, one a
// line, indented by two blanks a level:
//   TYPE "NAME"[ dialog][ disabled][ focused][ read-only][ description "TEXT"][ value "TEXT"]
// where a text's line breaks are written \n, and its " and \ with a \ before them.
// Each element is heard the same way, with "?dialog", "?value"... where UI Automation did not give
// that property: those are said, counted and not compared. The walk is made again for up to ten
// seconds until it matches, since a window's focus settles after it appears. Exit status 0 when
// it matches, 1 when it does not, 2 when the window or UI Automation is not to be had.
#include "uia_client.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

namespace {

using std::optional;
using std::string;

// Control types by id, from 50000 on, in Windows' words.
// clang-format off
const char* const controlTypes[] = {
    "button", "calendar", "check box", "combo box", "edit", "hyperlink", "image", "list item",
    "list", "menu", "menu bar", "menu item", "progress bar", "radio button", "scroll bar", "slider",
    "spinner", "status bar", "tab", "tab item", "text", "tool bar", "tool tip", "tree",
    "tree item", "custom", "group", "thumb", "data grid", "data item", "document", "split button",
    "window", "pane", "header", "header item", "table", "title bar", "separator",
    "semantic zoom", "app bar",
};
// clang-format on

// One element as heard, or as expected. An empty optional is a property UI Automation did not
// give; in an expected element every property is there.
struct Element {
    int depth = 0;
    string type;
    string name;
    optional<bool> dialog = false, enabled = true, focused = false, readOnly = false;
    optional<string> description = string(), value = string();
};

string utf8(const wchar_t* text, int length)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring wide(const string& text)
{
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, out.data(), size);
    return out;
}

string quoted(const string& text)
{
    string out = "\"";
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

string show(const Element& e)
{
    string line(static_cast<size_t>(2 * e.depth), ' ');
    line += e.type + ' ' + quoted(e.name);
    const auto flag = [&line](const optional<bool>& value, bool shownWhen, const char* word) {
        if (!value)
            line += string(" ?") + word;
        else if (*value == shownWhen)
            line += string(" ") + word;
    };
    const auto text = [&line](const optional<string>& value, const char* word) {
        if (!value)
            line += string(" ?") + word;
        else if (!value->empty())
            line += string(" ") + word + ' ' + quoted(*value);
    };
    flag(e.dialog, true, "dialog");
    flag(e.enabled, false, "disabled");
    flag(e.focused, true, "focused");
    flag(e.readOnly, true, "read-only");
    text(e.description, "description");
    text(e.value, "value");
    return line;
}

// Reads one line of the expected file; nullopt where it is not an element's line.
optional<Element> parse(const string& line)
{
    Element e;
    size_t at = 0;
    while (at < line.size() && line[at] == ' ')
        ++at;
    e.depth = static_cast<int>(at / 2);
    const size_t quote = line.find('"', at);
    if (quote == string::npos || quote == at)
        return std::nullopt;
    e.type = line.substr(at, quote - at - 1);
    at = quote;
    const auto readQuoted = [&line, &at]() -> optional<string> {
        if (at >= line.size() || line[at] != '"')
            return std::nullopt;
        string out;
        for (++at; at < line.size() && line[at] != '"'; ++at) {
            if (line[at] == '\\' && at + 1 < line.size()) {
                ++at;
                out += line[at] == 'n' ? '\n' : line[at];
                continue;
            }
            out += line[at];
        }
        if (at >= line.size())
            return std::nullopt;
        ++at;
        return out;
    };
    const auto name = readQuoted();
    if (!name)
        return std::nullopt;
    e.name = *name;
    while (at < line.size()) {
        while (at < line.size() && line[at] == ' ')
            ++at;
        const size_t end = line.find(' ', at);
        const string word = line.substr(at, end == string::npos ? string::npos : end - at);
        at = end == string::npos ? line.size() : end + 1;
        if (word == "dialog")
            e.dialog = true;
        else if (word == "disabled")
            e.enabled = false;
        else if (word == "focused")
            e.focused = true;
        else if (word == "read-only")
            e.readOnly = true;
        else if (word == "description" || word == "value") {
            const auto text = readQuoted();
            if (!text)
                return std::nullopt;
            (word == "value" ? e.value : e.description) = *text;
        } else if (!word.empty())
            return std::nullopt;
    }
    return e;
}

class Walker {
public:
    explicit Walker(const uia::Api& api) : api_(api)
    {
        api_.reservedNotSupportedValue(&notSupported_);
    }

    std::vector<Element> walk(HWND window)
    {
        std::vector<Element> heard;
        uia::Node root = nullptr;
        if (FAILED(api_.nodeFromHandle(window, &root)) || !root)
            return heard;
        visit(root, 0, heard);
        api_.nodeRelease(root);
        return heard;
    }

private:
    void visit(uia::Node node, int depth, std::vector<Element>& heard)
    {
        // A tree deeper or wider than any window's is a walk gone round in circles.
        if (depth > 16 || heard.size() > 400)
            return;
        heard.push_back(element(node, depth));
        uia::Node child = navigate(node, uia::FirstChild);
        while (child) {
            visit(child, depth + 1, heard);
            uia::Node next = navigate(child, uia::NextSibling);
            api_.nodeRelease(child);
            child = next;
        }
    }

    uia::Node navigate(uia::Node from, uia::NavigateDirection direction)
    {
        uia::Condition all{uia::ConditionType_True};
        uia::CacheRequest request{&all, uia::TreeScope_Element,         nullptr, 0, nullptr,
                                  0,    uia::AutomationElementMode_Full};
        SAFEARRAY* data = nullptr;
        BSTR structure = nullptr;
        uia::Node to = nullptr;
        if (SUCCEEDED(api_.navigate(from, direction, &all, &request, &data, &structure)) && data) {
            LONG index[2] = {0, 0};
            VARIANT v;
            VariantInit(&v);
            if (SUCCEEDED(SafeArrayGetElement(data, index, &v)))
                api_.nodeFromVariant(&v, &to);
            VariantClear(&v);
            SafeArrayDestroy(data);
        }
        SysFreeString(structure);
        return to;
    }

    // A property's value; an empty variant where UI Automation gave none, and VT_EMPTY with
    // `supported` false where the element says it has no such property.
    bool property(uia::Node node, uia::PropertyId id, VARIANT& v, bool& supported)
    {
        VariantInit(&v);
        supported = true;
        if (FAILED(api_.getPropertyValue(node, id, &v)))
            return false;
        if (V_VT(&v) == VT_UNKNOWN && V_UNKNOWN(&v) == notSupported_) {
            VariantClear(&v);
            supported = false;
        }
        return true;
    }

    optional<bool> flag(uia::Node node, uia::PropertyId id, bool unsupported)
    {
        VARIANT v;
        bool supported = true;
        if (!property(node, id, v, supported))
            return std::nullopt;
        optional<bool> out;
        if (!supported)
            out = unsupported;
        else if (V_VT(&v) == VT_BOOL)
            out = V_BOOL(&v) != VARIANT_FALSE;
        VariantClear(&v);
        return out;
    }

    optional<string> text(uia::Node node, uia::PropertyId id)
    {
        VARIANT v;
        bool supported = true;
        if (!property(node, id, v, supported))
            return std::nullopt;
        optional<string> out;
        if (!supported)
            out = string();
        else if (V_VT(&v) == VT_BSTR)
            out = V_BSTR(&v) ? utf8(V_BSTR(&v), static_cast<int>(SysStringLen(V_BSTR(&v))))
                             : string();
        VariantClear(&v);
        return out;
    }

    Element element(uia::Node node, int depth)
    {
        Element e;
        e.depth = depth;
        VARIANT v;
        bool supported = true;
        e.type = "?type";
        if (property(node, uia::ControlTypeProperty, v, supported) && V_VT(&v) == VT_I4) {
            const long index = V_I4(&v) - uia::FirstControlType;
            if (index >= 0 && index < static_cast<long>(std::size(controlTypes)))
                e.type = controlTypes[index];
            else
                e.type = "type-" + std::to_string(V_I4(&v));
        }
        VariantClear(&v);
        e.name = text(node, uia::NameProperty).value_or("?name");
        e.dialog = flag(node, uia::IsDialogProperty, false);
        e.enabled = flag(node, uia::IsEnabledProperty, true);
        e.focused = flag(node, uia::HasKeyboardFocusProperty, false);
        e.readOnly = flag(node, uia::ValueIsReadOnlyProperty, false);
        e.description = text(node, uia::FullDescriptionProperty);
        e.value = text(node, uia::ValueValueProperty);
        return e;
    }

    const uia::Api& api_;
    IUnknown* notSupported_ = nullptr;
};

// The properties UI Automation left out, by name, with how many elements it left them out for.
using Missing = std::map<string, int>;

// Each optional property of an element: what it is called, and where it is kept.
template <typename Visit> void eachProperty(const Element& want, const Element& got, Visit visit)
{
    visit(want.dialog, got.dialog, "dialog (UIA_IsDialogPropertyId)");
    visit(want.enabled, got.enabled, "enabled (UIA_IsEnabledPropertyId)");
    visit(want.focused, got.focused, "focus (UIA_HasKeyboardFocusPropertyId)");
    visit(want.readOnly, got.readOnly, "read-only (UIA_ValueIsReadOnlyPropertyId)");
    visit(want.description, got.description, "description (UIA_FullDescriptionPropertyId)");
    visit(want.value, got.value, "value (UIA_ValueValuePropertyId)");
}

Missing missingIn(const std::vector<Element>& heard)
{
    Missing missing;
    for (const Element& e : heard)
        eachProperty(e, e, [&missing](const auto&, const auto& given, const char* property) {
            if (!given)
                ++missing[property];
        });
    return missing;
}

// The differences between what is expected and what was heard, one line each; a property that
// was not given is not compared.
std::vector<string> compare(const std::vector<Element>& expected, const std::vector<Element>& heard)
{
    std::vector<string> differences;
    const size_t count = std::max(expected.size(), heard.size());
    for (size_t i = 0; i < count; ++i) {
        if (i >= heard.size()) {
            differences.push_back("missing:  " + show(expected[i]));
            continue;
        }
        if (i >= expected.size()) {
            differences.push_back("extra:    " + show(heard[i]));
            continue;
        }
        const Element& want = expected[i];
        const Element& got = heard[i];
        bool same = want.depth == got.depth && want.type == got.type && want.name == got.name;
        eachProperty(want, got, [&same](const auto& wanted, const auto& given, const char*) {
            if (given && *given != *wanted)
                same = false;
        });
        if (!same)
            differences.push_back("expected: " + show(want) + "\n  heard:    " + show(got));
    }
    return differences;
}

struct Section {
    string caption;
    std::vector<Element> elements;
    bool found = false;
    bool valid = true;
};

Section readSection(const char* path, const string& key)
{
    Section section;
    std::ifstream in(path);
    string line;
    const string header = "[" + key + "] ";
    bool inside = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            inside = line.compare(0, header.size(), header) == 0;
            if (inside) {
                section.found = true;
                section.caption = line.substr(header.size());
            }
            continue;
        }
        if (!inside)
            continue;
        if (const auto element = parse(line))
            section.elements.push_back(*element);
        else {
            std::printf("FAIL: not an element: %s\n", line.c_str());
            section.valid = false;
        }
    }
    return section;
}

struct Search {
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    wchar_t title[512] = {};
    GetWindowTextW(window, title, static_cast<int>(std::size(title)));
    if (IsWindowVisible(window) && std::wstring(title).starts_with(search->caption)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The visible top-level window whose caption begins with `caption`, waited for up to 30 s.
HWND findWindow(const string& caption)
{
    Search search{wide(caption)};
    for (int tries = 0; tries < 300 && !search.found; ++tries) {
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return search.found;
}

bool load(uia::Api& api)
{
    HMODULE dll = LoadLibraryW(L"uiautomationcore.dll");
    if (!dll)
        return false;
    const auto get = [dll](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
            reinterpret_cast<void*>(GetProcAddress(dll, name)));
        return function != nullptr;
    };
    return get(api.nodeFromHandle, "UiaNodeFromHandle") && get(api.navigate, "UiaNavigate") &&
           get(api.getPropertyValue, "UiaGetPropertyValue") &&
           get(api.nodeFromVariant, "UiaHUiaNodeFromVariant") &&
           get(api.nodeRelease, "UiaNodeRelease") &&
           get(api.reservedNotSupportedValue, "UiaGetReservedNotSupportedValue");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s EXPECTED.txt KEY\n", argv[0]);
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const string key = argv[2];
    const Section section = readSection(argv[1], key);
    if (!section.found || !section.valid) {
        std::printf("FAIL: [%s]: no such window in %s\n", key.c_str(), argv[1]);
        return 2;
    }
    uia::Api api;
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) || !load(api)) {
        std::printf("FAIL: UI Automation's client functions are not to be had\n");
        return 2;
    }
    const HWND window = findWindow(section.caption);
    if (!window) {
        std::printf("FAIL: [%s]: no window \"%s\"\n", key.c_str(), section.caption.c_str());
        return 2;
    }

    Walker walker(api);
    std::vector<Element> heard;
    std::vector<string> differences;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    do {
        heard = walker.walk(window);
        differences = compare(section.elements, heard);
        if (!differences.empty())
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
    } while (!differences.empty() && std::chrono::steady_clock::now() < until);

    std::printf("[%s] heard:\n", key.c_str());
    for (const Element& e : heard)
        std::printf("  %s\n", show(e).c_str());
    for (const auto& [property, count] : missingIn(heard))
        std::printf("NOT GIVEN: [%s] %s, for %d of %zu elements: not checked\n", key.c_str(),
                    property.c_str(), count, heard.size());
    for (const string& difference : differences)
        std::printf("  %s\n", difference.c_str());
    std::printf("%s: [%s] %zu elements %s\n", differences.empty() ? "PASS" : "FAIL", key.c_str(),
                section.elements.size(), differences.empty() ? "heard as expected" : "expected");
    return differences.empty() ? 0 : 1;
}
