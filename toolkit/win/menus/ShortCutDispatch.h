#pragma once
// Keyboard shortcuts of forms in the message loop: a key press runs the first
// enabled action with its shortcut in the action lists of the form that got
// the key, else an item of that form's main menu; then the same for the
// active form and for the main form. Action lists answer only while their
// form is the active window. A key that ran something is consumed.
#include "toolkit/win/menus/ShortCuts.h"

#include <vector>

namespace fw {

class TForm;

// Registers the handler with the application, once; action lists and main
// menus call it when they are created.
void InstallShortCutDispatch();
// The forms a key message sent to a window may reach, nearest first.
std::vector<TForm*> ShortCutForms(HWND target);
// Runs a shortcut on one form; true when something ran.
bool FormShortCut(TForm* form, TShortCut shortCut);

} // namespace fw
