#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Drives the program's windows from another process, the way a person would see them: finds
// windows by class and owning process, reads their texts with messages, and posts the input
// that opens modal boxes (a sent message would block until the box closed). Every wait polls
// with a time limit.

constexpr DWORD kWaitMs = 20000;

// Polls `done` every 20 ms until it holds or `timeoutMs` has passed; returns its last answer.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kWaitMs);

// A window's text (WM_GETTEXT, so it works for another process's controls too), ANSI.
std::string Text(HWND window);
std::string ClassOf(HWND window);
std::vector<HWND> Children(HWND parent);
// The `index`-th child of that class, or null.
HWND ChildOfClass(HWND parent, const char* className, int index = 0);
// The non-empty texts of a dialog's static controls, in order.
std::vector<std::string> StaticTexts(HWND dialog);
// A child's place relative to its parent's client area.
RECT PlaceInParent(HWND child);
// Posts a key press to whichever control of the window's thread has the keyboard focus.
void PressKey(HWND window, UINT virtualKey);
// Returns once the window's thread is back in a message loop, so that the handler it was running
// (the rest of a double-click after the folder browser closed, say) has finished: a sent message
// is only handled there.
void Settle(HWND window);

class ProgramDriver {
  public:
    // Starts the program, with `currentFolder` as its current folder.
    ProgramDriver(const std::string& executable, const std::string& currentFolder);
    // Ends the program if it is still running.
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    HANDLE Process() const { return process_.hProcess; }

    // The main window (class TForm1), visible or not; null until it exists.
    HWND MainWindow() const;
    // The program's visible dialogs (message boxes, folder browser).
    std::vector<HWND> Dialogs() const;
    // Waits for a visible dialog that `accept` accepts; null on time-out.
    HWND WaitForDialog(const std::function<bool(HWND)>& accept, DWORD timeoutMs = kWaitMs) const;
    // Waits for a message box (a dialog without a folder tree); null on time-out.
    HWND WaitForMessageBox(DWORD timeoutMs = kWaitMs) const;
    // Waits for the folder browser; null on time-out.
    HWND WaitForFolderBrowser(DWORD timeoutMs = kWaitMs) const;
    // Every visible window of the program with its class, caption and texts: what a failure
    // message shows, so that a box nobody answered is named.
    std::string DescribeWindows() const;
    // Waits for the program to end; its exit code, or STILL_ACTIVE on time-out.
    DWORD WaitForExit(DWORD timeoutMs = kWaitMs) const;

    // Selects `folder` in the open folder browser and waits until the tree shows it selected
    // (the tree fills late the first time in a new prefix). False when it never did.
    bool SelectInFolderBrowser(HWND browser, const std::string& folder) const;
    // The menu bar of the main window, read inside the program's process: one line per item,
    // "id|text|flags" with flags being the item's type and state bits in hex.
    std::vector<std::string> MenuBar() const;
    // The text of the tooltip registered for `tool`, read inside the program's process.
    std::string TooltipText(HWND tool) const;

  private:
    PROCESS_INFORMATION process_{};
};
