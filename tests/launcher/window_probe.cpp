// Looks at the running word processor from outside, as a user's tools
// would: its main window, menu, toolbars, status panes and document
// windows, and the profile it leaves. Wine hands another process a menu's
// handle but not its items, so the menu is checked by its handle.
//   usage: window_probe <command> [arguments]
//     wait-main                  waits for the main window (30 s)
//     check-start <shot.bmp>     title, menu, toolbars, panes, Write1, screenshot
//     file-new                   sends File New and waits for the new window
//     check-documents <t>...     the document windows' titles, in any order
//     place <x> <y> <w> <h>      moves and sizes the main window
//     check-place <x> <y> <w> <h>
//     maximize | check-maximized | close
//     check-profile              "ZTWRITEWP" and "Caption" keys are stored
//     clear-placement            removes the stored placement
#include "tests/support/screenshot.h"
#include <commctrl.h>
#include <stdio.h>
#include <string.h>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

const char kMainTitle[] = "Zentavo Write";
const char kProfileKey[] = "Software\\Zentavo\\Zentavo Write";
const DWORD kWaitMs = 30000;
const DWORD kStepMs = 100;
// The default toolbars shown at the first start: standard, format and
// borders.
const int kShownToolbars[] = { 59412, 59415, 59418 };
const int kStatusPanes = 6;

int failures = 0;

void Fail(const std::string& what)
{
    printf("FAIL: %s\n", what.c_str());
    failures++;
}

std::string TextOf(HWND hWnd)
{
    char text[256] = "";
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

std::string ClassOf(HWND hWnd)
{
    char name[128] = "";
    ::GetClassNameA(hWnd, name, sizeof(name));
    return name;
}

BOOL CALLBACK FindMain(HWND hWnd, LPARAM lParam)
{
    if (::IsWindowVisible(hWnd) && ::GetMenu(hWnd) && TextOf(hWnd).rfind(kMainTitle, 0) == 0)
    {
        *(HWND*)lParam = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND MainWindow()
{
    HWND found = nullptr;
    ::EnumWindows(FindMain, (LPARAM)&found);
    return found;
}

struct Collect
{
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectClass(HWND hWnd, LPARAM lParam)
{
    Collect* c = (Collect*)lParam;
    if (ClassOf(hWnd) == c->className)
        c->found.push_back(hWnd);
    return TRUE;
}

std::vector<HWND> Descendants(HWND parent, const char* className)
{
    Collect c = { className, {} };
    ::EnumChildWindows(parent, CollectClass, (LPARAM)&c);
    return c.found;
}

// The MDI client's own children: the document windows.
std::vector<HWND> DocumentWindows(HWND main)
{
    std::vector<HWND> result;
    for (HWND client : Descendants(main, "MDIClient"))
        for (HWND child = ::GetWindow(client, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (::IsWindowVisible(child))
                result.push_back(child);
    return result;
}

int DescendantCount(HWND parent)
{
    int count = 0;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        count += 1 + DescendantCount(child);
    return count;
}

HWND WaitMain()
{
    for (DWORD waited = 0; waited < kWaitMs; waited += kStepMs)
    {
        HWND main = MainWindow();
        if (main && !DocumentWindows(main).empty())
            return main;
        ::Sleep(kStepMs);
    }
    return nullptr;
}

void CheckStart(HWND main, const char* shotPath)
{
    std::string title = TextOf(main);
    if (title.rfind(kMainTitle, 0) != 0)
        Fail("main window title \"" + title + "\"");
    if (!::GetMenu(main))
        Fail("main window has no menu");

    std::set<int> shown;
    for (HWND bar : Descendants(main, TOOLBARCLASSNAMEA))
        if (::IsWindowVisible(bar) && ::SendMessageA(bar, TB_BUTTONCOUNT, 0, 0) > 0)
            shown.insert(::GetDlgCtrlID(bar));
    for (int id : kShownToolbars)
        if (!shown.count(id))
            Fail("toolbar " + std::to_string(id) + " not shown with buttons");

    std::vector<HWND> status = Descendants(main, STATUSCLASSNAMEA);
    if (status.size() != 1 || !::IsWindowVisible(status[0]))
        Fail("no status bar");
    else if (::SendMessageA(status[0], SB_GETPARTS, 0, 0) != kStatusPanes)
        Fail("status bar panes: " + std::to_string(::SendMessageA(status[0], SB_GETPARTS, 0, 0)));

    std::vector<HWND> documents = DocumentWindows(main);
    if (documents.size() != 1)
        Fail("document windows: " + std::to_string(documents.size()));
    else
    {
        HWND child = documents[0];
        if (TextOf(child) != "Write1")
            Fail("document window title \"" + TextOf(child) + "\"");
        if (!::IsZoomed(child))
            Fail("document window not maximized");
        // The splitter and the view inside it.
        if (DescendantCount(child) < 2)
            Fail("document window holds no view");
    }
    ::Sleep(500);
    if (!SaveScreenshot(CWnd::FromHandle(main), shotPath))
        Fail(std::string("screenshot not written to ") + shotPath);
}

void FileNew(HWND main)
{
    size_t before = DocumentWindows(main).size();
    ::PostMessageA(main, WM_COMMAND, ID_FILE_NEW, 0);
    for (DWORD waited = 0; waited < kWaitMs; waited += kStepMs)
    {
        if (DocumentWindows(main).size() > before)
            return;
        ::Sleep(kStepMs);
    }
    Fail("File New made no document window");
}

void CheckDocuments(HWND main, int count, char** titles)
{
    std::multiset<std::string> expected(titles, titles + count), seen;
    for (HWND child : DocumentWindows(main))
        seen.insert(TextOf(child));
    if (seen != expected)
    {
        std::string list;
        for (const std::string& t : seen)
            list += " " + t;
        Fail("document windows:" + list);
    }
}

void CheckPlace(HWND main, int x, int y, int w, int h)
{
    RECT r;
    ::GetWindowRect(main, &r);
    if (r.left != x || r.top != y || r.right - r.left != w || r.bottom - r.top != h)
        Fail("main window at " + std::to_string(r.left) + "," + std::to_string(r.top) + " size " +
             std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top));
}

void CheckProfile()
{
    HKEY key;
    std::string placement = std::string(kProfileKey) + "\\ZTWRITEWP";
    if (::RegOpenKeyA(HKEY_CURRENT_USER, placement.c_str(), &key) != ERROR_SUCCESS)
        Fail("no ZTWRITEWP section");
    else
    {
        char value[32] = "";
        DWORD size = sizeof(value);
        if (::RegQueryValueExA(key, "Init", nullptr, nullptr, (BYTE*)value, &size) != ERROR_SUCCESS)
            Fail("no ZTWRITEWP Init key");
        ::RegCloseKey(key);
    }
    std::string caption = std::string(kProfileKey) + "\\Caption";
    if (::RegOpenKeyA(HKEY_CURRENT_USER, caption.c_str(), &key) != ERROR_SUCCESS)
        Fail("no Caption section");
    else
    {
        // The four built-in labels come back as keys "0" to "3".
        const char* labels[] = { "Caption ", "Table ", "Picture ", "Label " };
        for (int i = 0; i < 4; i++)
        {
            char value[64] = "";
            DWORD size = sizeof(value);
            std::string name = std::to_string(i);
            if (::RegQueryValueExA(key, name.c_str(), nullptr, nullptr, (BYTE*)value, &size) != ERROR_SUCCESS ||
                strcmp(value, labels[i]) != 0)
                Fail("Caption key " + name + " is \"" + value + "\"");
        }
        ::RegCloseKey(key);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    std::string command = argv[1];
    if (command == "check-profile")
    {
        CheckProfile();
        return failures ? 1 : 0;
    }
    if (command == "clear-placement")
    {
        HKEY key;
        if (::RegOpenKeyA(HKEY_CURRENT_USER, kProfileKey, &key) == ERROR_SUCCESS)
        {
            ::RegDeleteKeyA(key, "ZTWRITEWP");
            ::RegCloseKey(key);
        }
        return 0;
    }
    HWND main = WaitMain();
    if (!main)
    {
        Fail("no main window with a document window");
        return 1;
    }
    if (command == "check-start" && argc >= 3)
        CheckStart(main, argv[2]);
    else if (command == "file-new")
        FileNew(main);
    else if (command == "check-documents")
        CheckDocuments(main, argc - 2, argv + 2);
    else if (command == "place" && argc >= 6)
        ::SetWindowPos(main, nullptr, atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    else if (command == "check-place" && argc >= 6)
        CheckPlace(main, atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]));
    else if (command == "maximize")
        ::PostMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    else if (command == "check-maximized")
    {
        if (!::IsZoomed(main))
            Fail("main window not maximized");
    }
    else if (command == "close")
        ::PostMessageA(main, WM_CLOSE, 0, 0);
    else if (command != "wait-main")
        return 2;
    return failures ? 1 : 0;
}
