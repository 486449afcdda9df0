// The document window's menu and keys reach the view's Edit commands: each
// command shows its shortcut in the menu, and the accelerator table sends
// that key to the command.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "resources/resource.h"
#include "resources/shell_ids.h"
#include <string>

namespace {

struct EditEntry
{
    WORD command;
    const char* text;
    BYTE modifiers;   // FCONTROL, FSHIFT, FALT; with key 0 no shortcut
    WORD key;
};

const EditEntry kEditEntries[] = {
    {ID_EDIT_UNDO_ZVW, "&Undo\tCtrl+Z", FCONTROL, 'Z'},
    {ID_EDIT_REDO_ZVW, "R&edo\tF4", 0, VK_F4},
    {36021, "Cu&t\tCtrl+X", FCONTROL, 'X'},
    {36020, "&Copy\tCtrl+C", FCONTROL, 'C'},
    {36026, "&Paste\tCtrl+V", FCONTROL, 'V'},
    {36027, "Paste &Link", 0, 0},
    {ID_EDIT_DELETE_ZVW, "&Delete\tDel", 0, VK_DELETE},
    {ID_EDIT_SELECT_ALL_ZVW, "Select &All\tCtrl+A", FCONTROL, 'A'},
    {ID_EDIT_FIND_ZVW, "&Find...\tCtrl+F", FCONTROL, 'F'},
    {ID_EDIT_FIND_NEXT_ZVW, "Find &Next\tCtrl+Y", FCONTROL, 'Y'},
    {ID_EDIT_REPLACE_ZVW, "&Replace...\tCtrl+H", FCONTROL, 'H'},
    {ID_EDIT_GOTO_ZVW, "&Go To...\tF5", 0, VK_F5},
    {ID_INSERT_NEW_PAGE, "Page &Break\tCtrl+Enter", FCONTROL, VK_RETURN},
};

TEST(EditMenu, EveryEditCommandHasItsTextAndItsKey)
{
    HINSTANCE resources = AfxGetResourceHandle();
    HMENU menu = ::LoadMenuA(resources, MAKEINTRESOURCEA(IDR_ZTWRITETYPE));
    ASSERT_TRUE(menu != NULL);
    HACCEL table = ::LoadAcceleratorsA(resources, MAKEINTRESOURCEA(IDR_ZTWRITETYPE));
    ASSERT_TRUE(table != NULL);
    ACCEL keys[128];
    const int count = ::CopyAcceleratorTableA(table, keys, 128);
    for (const EditEntry& e : kEditEntries)
    {
        SCOPED_TRACE(e.command);
        char text[128] = "";
        ::GetMenuStringA(menu, e.command, text, sizeof(text), MF_BYCOMMAND);
        EXPECT_EQ(std::string(text), e.text);
        int bound = 0;
        for (int i = 0; i < count; ++i)
            if (keys[i].cmd == e.command)
            {
                ++bound;
                EXPECT_EQ(keys[i].fVirt & ~0x80, FVIRTKEY | e.modifiers);
                EXPECT_EQ(keys[i].key, e.key);
            }
        EXPECT_EQ(bound, e.key ? 1 : 0);
    }
    ::DestroyMenu(menu);
}

} // namespace
