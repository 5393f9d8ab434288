// The program's main window as the tests see it: its eight controls, found by class and text,
// and their enabled states.
#pragma once

#include <windows.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace e2e {

// Texts of the program's windows and boxes that the tests look for.
namespace ui {
inline constexpr char kMainCaption[] = "Tenvari - Velport vol.5 Setup Tool for FS2002";
inline constexpr char kSupportCaption[] = "For support";
inline constexpr char kAirportCaption[] = "Select the airport";
inline constexpr char kExit[] = "Exit";
inline constexpr char kChange[] = "Change";
inline constexpr char kScnAdd[] = "Register the scenery library";
inline constexpr char kScnDel[] = "Delete the scenery library";
inline constexpr char kAfdAdd[] = "Register the AFCAD file";
inline constexpr char kAfdRes[] = "Restore the AFCAD file";
inline constexpr char kSupport[] = "For support";
inline constexpr char kOk[] = "OK";
inline constexpr char kCancel[] = "Cancel";
inline constexpr char kGroupFs2002[] = " Microsoft Flight Simulator 2002 ";
inline constexpr char kGroupAddon[] = " Velport installation folder ";
}  // namespace ui

// Enabled state of the eight controls, in the order of the main window's busy toggle.
struct ControlStates {
    bool support = false;
    bool exit = false;
    bool edit = false;
    bool browse = false;
    bool scnAdd = false;
    bool scnDel = false;
    bool afdAdd = false;
    bool afdRes = false;

    bool operator==(const ControlStates&) const = default;

    // The idle state: shell controls enabled, command buttons enabled exactly when the edit box
    // holds text.
    static ControlStates Idle(bool editHasText);
    // The busy state: all eight disabled.
    static ControlStates Busy();
};

std::ostream& operator<<(std::ostream& out, const ControlStates& states);

struct MainWindow {
    HWND window = nullptr;
    HWND edit = nullptr;
    HWND browse = nullptr;
    HWND scnAdd = nullptr;
    HWND scnDel = nullptr;
    HWND afdAdd = nullptr;
    HWND afdRes = nullptr;
    HWND support = nullptr;
    HWND exit = nullptr;

    // Finds the controls of the main window `window`; the error text says which is missing.
    static bool Find(HWND window, MainWindow& out, std::string& error);

    ControlStates States() const;
    std::string EditText() const;
};

}  // namespace e2e
