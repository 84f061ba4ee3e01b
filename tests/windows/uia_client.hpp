// The part of UI Automation's client API (uiautomationcore.dll) that the walk uses, declared here:
// MinGW-w64's headers leave the client side out, and their uiautomationcoreapi.h does not compile
// as C++. The functions are looked up in the DLL when the walk starts, so no import library is
// needed either. Layouts and values are those of Windows' own uiautomationcoreapi.h.
#pragma once

#include <windows.h>

#include <oleauto.h>

namespace uia {

using Node = void*; // HUIANODE
using PropertyId = int;

enum NavigateDirection : int { Parent = 0, NextSibling = 1, PreviousSibling = 2, FirstChild = 3 };
enum ConditionType : int { ConditionType_True = 0 };
enum TreeScope : int { TreeScope_Element = 1 };
enum AutomationElementMode : int { AutomationElementMode_Full = 1 };

struct Condition {
    ConditionType type;
};

struct CacheRequest {
    Condition* viewCondition;
    TreeScope scope;
    PropertyId* properties;
    int propertyCount;
    int* patterns;
    int patternCount;
    AutomationElementMode mode;
};

// The functions, as the DLL exports them.
struct Api {
    HRESULT(WINAPI* nodeFromHandle)(HWND, Node*) = nullptr;
    HRESULT(WINAPI* navigate)
    (Node, NavigateDirection, Condition*, CacheRequest*, SAFEARRAY**, BSTR*) = nullptr;
    HRESULT(WINAPI* getPropertyValue)(Node, PropertyId, VARIANT*) = nullptr;
    HRESULT(WINAPI* nodeFromVariant)(VARIANT*, Node*) = nullptr;
    BOOL(WINAPI* nodeRelease)(Node) = nullptr;
    HRESULT(WINAPI* reservedNotSupportedValue)(IUnknown**) = nullptr;
};

// Property ids.
inline constexpr PropertyId ControlTypeProperty = 30003;
inline constexpr PropertyId NameProperty = 30005;
inline constexpr PropertyId HasKeyboardFocusProperty = 30008;
inline constexpr PropertyId IsEnabledProperty = 30010;
inline constexpr PropertyId ValueValueProperty = 30045;
inline constexpr PropertyId ValueIsReadOnlyProperty = 30046;
inline constexpr PropertyId FullDescriptionProperty = 30159;
inline constexpr PropertyId IsDialogProperty = 30174;

// Control type ids, from 50000 (button) on, in Windows' order.
inline constexpr int FirstControlType = 50000;

} // namespace uia
