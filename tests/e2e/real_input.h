#pragma once
// Input through the system's input queue, as a person's mouse and keyboard
// give it, rather than messages sent to a chosen window.
#include <windows.h>

#include <initializer_list>

namespace murkvale::e2e {

POINT centreOf(HWND window);

// Moves the pointer to a point of the screen and clicks the left button there.
void clickAt(POINT screenPoint);

// Presses the keys in order and releases them in reverse, as a chord such as
// Alt+F4. Goes to the window that has the keyboard focus.
void pressChord(std::initializer_list<WORD> virtualKeys);

}  // namespace murkvale::e2e
