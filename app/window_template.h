#pragma once

#include <span>

// The main window's layout as a table of controls in dialog units, in template order (which is also the tab
// order). It mirrors the Windows window template the window was designed with.

enum class ControlKind {
    DropDownList,    // combo box whose list is the only choice
    DropDown,        // editable combo box; typing stops at the field's width (no horizontal scrolling)
    PushButton,      // ordinary button, never the default one
    AutoRadioButton, // checks itself when clicked and unchecks the others of its group
    Edit,            // bordered single-line field that scrolls horizontally
    StaticText,      // left-aligned plain text
    EtchedHorzLine,  // separator
};

// Windows' id for controls that code never addresses.
inline constexpr int kNoControlId = -1;

enum ControlFlag : unsigned {
    kGroup = 1u << 0,   // starts a group: radio buttons exclude each other up to the next group start
    kTabStop = 1u << 1, // reached with the Tab key
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text; // UTF-8
    int x;
    int y;
    int width;
    int height; // for combo boxes: the height of the dropped list
    unsigned flags;
};

struct WindowTemplate {
    int width;
    int height;
    const char* caption;
    std::span<const ControlTemplate> controls;
};

const WindowTemplate& MainWindowTemplate();
