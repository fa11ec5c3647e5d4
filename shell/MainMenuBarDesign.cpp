// The menu tree of the application's menu bar, as data.
#include "shell/MainMenuBar.h"

namespace {
using K = MenuRowDesign::Kind;
}

const std::array<MenuRowDesign, 17> MainMenuBarDesign::Rows = {{
    {0, nullptr, "FileMenu", K::MenuItem, "&File", ""},
    {0, "FileMenu", "FileQuit", K::QuitMenuItem, "&Quit", "Cmd+Q"},
    {0, "FileMenu", "AboutItem", K::AppleMenuItem, "About Morvessa...", ""},

    {1, nullptr, "EditMenu", K::MenuItem, "&Edit", ""},
    {1, "EditMenu", "EditUndo", K::MenuItem, "&Undo", "Cmd+Z"},
    {1, "EditMenu", "EditSeparator1", K::MenuItem, "-", nullptr},
    {1, "EditMenu", "EditCut", K::MenuItem, "Cu&t", "Cmd+X"},
    {1, "EditMenu", "EditCopy", K::MenuItem, "&Copy", "Cmd+C"},
    {1, "EditMenu", "EditPaste", K::MenuItem, "&Paste", "Cmd+V"},
    {1, "EditMenu", "EditClear", K::MenuItem, "&Delete", ""},
    {1, "EditMenu", "EditSeparator2", K::MenuItem, "-", nullptr},
    {1, "EditMenu", "EditSelectAll", K::MenuItem, "Select &All", "Cmd+A"},

    {2, nullptr, "WindowMenu", K::MenuItem, "Window", ""},
    {2, "WindowMenu", "WindowWindowzq", K::MenuItem, "floating point output", ""},
    {2, "WindowMenu", "bfItem", K::MenuItem, "do Arithmetic", ""},

    {3, nullptr, "HelpMenu", K::MenuItem, "Help", ""},
    {3, "HelpMenu", "HelpItem", K::MenuItem, "Morvessa Help...", ""},
}};
